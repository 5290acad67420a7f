#include "editor/widgets/GridPanel.h"

#include "core/PickLists.h"
#include "core/widgets/WheelNeedsFocus.h"
#include "editor/Document.h"
#include "core/NumberText.h"
#include "editor/RowMover.h"
#include "editor/widgets/GridStyle.h"
#include "editor/widgets/Twips.h"
#include "editor/widgets/TypedKeyFilter.h"
#include "richtext/widgets/RichTextBox.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QStringListModel>
#include <QToolButton>

#include <algorithm>

namespace {

// Design columns in twips: left and width of each field; rows never move sideways.
struct Column
{
    int left;
    int width;
};
constexpr Column SerialColumn{480, 510};
constexpr Column ProductColumn{990, 1020};
constexpr Column DescriptionColumn{2010, 5895};
constexpr Column QtyColumn{7905, 645};
constexpr Column PriceColumn{8550, 915};
constexpr Column DiscountColumn{9465, 825};
constexpr Column AmountColumn{10290, 975};
constexpr int ArrowWidth = 240;
constexpr int HeadingHeight = 260;
constexpr int DescriptionDesignHeight = 330;

// The description takes whatever width the panel has beyond its design width; the columns to its
// right move over by that much and keep their own widths.
void place(QWidget* field, Column column, int top, int height, int extra)
{
    int left = Twips::toPixels(column.left);
    int width = Twips::toPixels(column.width);
    if (column.left == DescriptionColumn.left)
        width += extra;
    else if (column.left > DescriptionColumn.left)
        left += extra;
    field->setGeometry(left, top, width, height);
}

} // namespace

GridPanel::GridPanel(QWidget* parent)
    : QWidget(parent),
      m_quantities(new QStringListModel(PickLists::quantities(), this)),
      m_discounts(new QStringListModel(PickLists::discounts(), this))
{
    setObjectName(QStringLiteral("Frame1"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    buildHeadings();
    resizeToRows();
    placeAll();
}

GridPanel::~GridPanel() = default;

void GridPanel::buildHeadings()
{
    const struct
    {
        const char* caption;
        Column column;
        Qt::Alignment align;
    } headings[] = {
        {QT_TR_NOOP("Item"), SerialColumn, Qt::AlignCenter},
        {QT_TR_NOOP("Prod ID"), ProductColumn, Qt::AlignLeft},
        {QT_TR_NOOP("Description"), DescriptionColumn, Qt::AlignLeft},
        {QT_TR_NOOP("Qty"), QtyColumn, Qt::AlignLeft},
        {QT_TR_NOOP("Price"), PriceColumn, Qt::AlignRight},
        {QT_TR_NOOP("Disc %"), DiscountColumn, Qt::AlignRight},
        {QT_TR_NOOP("Amount"), AmountColumn, Qt::AlignRight},
    };
    for (const auto& heading : headings) {
        auto* label = new QLabel(tr(heading.caption), this);
        label->setAlignment(heading.align | Qt::AlignVCenter);
        GridStyle::styleHeading(label);
        m_headings.push_back({label, heading.column.left, heading.column.width});
    }
    m_headingRule = new QFrame(this);
    m_headingRule->setFrameShape(QFrame::HLine);
    m_headingRule->setFrameShadow(QFrame::Sunken);
}

int GridPanel::rowCount() const
{
    return int(m_rows.size());
}

int GridPanel::rowHeight() const
{
    if (m_multiLine)
        return 5 * Twips::toPixels(DescriptionDesignHeight);
    return GridStyle::fieldHeight();
}

// Single-line rows sit one field height plus 15 twips apart; multi-line rows one tall description
// plus 60 twips apart.
int GridPanel::rowTop(int index) const
{
    const int first = Twips::toPixels(HeadingHeight) + Twips::toPixels(60);
    const int gap = Twips::toPixels(m_multiLine ? 60 : 15);
    return first + (index - 1) * (rowHeight() + gap);
}

void GridPanel::clearRows()
{
    for (Row& row : m_rows) {
        for (QWidget* field : std::initializer_list<QWidget*>{row.serial, row.productId, row.description, row.qty,
                                                             row.price, row.discount, row.amount, row.up, row.down})
            delete field;
    }
    m_rows.clear();
}

void GridPanel::rebuild(const Document& document, bool multiLine)
{
    setUpdatesEnabled(false);
    clearRows();
    m_multiLine = multiLine;
    m_nextMultiLine = multiLine;
    const int count = document.rowCount();
    m_rows.reserve(size_t(count));
    for (int i = 1; i <= count; ++i) {
        m_rows.push_back(createRow(i));
        showRow(m_rows.back(), i, count);
    }
    for (int i = 1; i <= count; ++i) {
        showContents(i, document.rows[i - 1]);
        showState(i, document.rows[i - 1]);
    }
    resizeToRows();
    placeAll();
    setUpdatesEnabled(true);
    emit rowsRebuilt();
}

int GridPanel::designWidth()
{
    return Twips::toPixels(AmountColumn.left + AmountColumn.width + ArrowWidth * 2 + 240);
}

void GridPanel::resizeToRows()
{
    const int bottom = m_rows.empty() ? Twips::toPixels(HeadingHeight) : rowTop(rowCount()) + rowHeight();
    setMinimumWidth(designWidth());
    setFixedHeight(bottom + Twips::toPixels(120));
}

int GridPanel::extraWidth() const
{
    return std::max(0, width() - designWidth());
}

void GridPanel::placeAll()
{
    const int extra = extraWidth();
    for (const Heading& heading : m_headings)
        place(heading.label, {heading.left, heading.width}, 0, Twips::toPixels(HeadingHeight), extra);
    const int ruleTop = Twips::toPixels(HeadingHeight);
    m_headingRule->setGeometry(Twips::toPixels(SerialColumn.left), ruleTop,
                               Twips::toPixels(AmountColumn.left + AmountColumn.width - SerialColumn.left) + extra,
                               m_headingRule->sizeHint().height());
    for (int i = 1; i <= rowCount(); ++i)
        placeRow(m_rows[size_t(i - 1)], i);
}

void GridPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeAll();
}

void GridPanel::showFrom(const Document& document)
{
    if (document.rowCount() != rowCount()) {
        rebuild(document, m_nextMultiLine);
        return;
    }
    for (int i = 1; i <= rowCount(); ++i) {
        showContents(i, document.rows[i - 1]);
        showState(i, document.rows[i - 1]);
    }
}

void GridPanel::readInto(Document& document) const
{
    document.rows.clear();
    for (int i = 1; i <= rowCount(); ++i) {
        DocumentRow row = contentsOf(i);
        const Row& fields = m_rows[size_t(i - 1)];
        row.serial = fields.serial->text();
        row.qtyGrey = GridStyle::isGrey(fields.qty);
        row.discountEnabled = fields.discount->isEnabled();
        document.rows.append(row);
    }
}

DocumentRow GridPanel::contentsOf(int row) const
{
    const Row& fields = m_rows[size_t(row - 1)];
    DocumentRow contents;
    contents.productId = fields.productId->text();
    contents.description = fields.description->textRtf();
    contents.qty = fields.qty->currentText();
    contents.price = fields.price->text();
    contents.discount = fields.discount->currentText();
    contents.amount = fields.amount->text();
    return contents;
}

void GridPanel::showContents(int row, const DocumentRow& contents)
{
    const Row& fields = m_rows[size_t(row - 1)];
    fields.productId->setText(contents.productId);
    // Writing an unchanged description back would cost its cursor and undo history.
    if (fields.description->textRtf() != contents.description)
        fields.description->setTextRtf(contents.description);
    fields.qty->setEditText(contents.qty);
    fields.price->setText(contents.price);
    fields.discount->setEditText(contents.discount);
    fields.amount->setText(contents.amount);
}

void GridPanel::showState(int row, const DocumentRow& contents)
{
    const Row& fields = m_rows[size_t(row - 1)];
    GridStyle::setGrey(fields.qty, contents.qtyGrey);
    fields.discount->setEnabled(contents.discountEnabled);
}

void GridPanel::moveRowUp(int row)
{
    moveRowDown(row - 1);
}

void GridPanel::moveRowDown(int row)
{
    if (row < 1 || row >= rowCount())
        return;
    DocumentRow upper = contentsOf(row);
    DocumentRow lower = contentsOf(row + 1);
    RowMover::swapContents(upper, lower);
    showContents(row, upper);
    showContents(row + 1, lower);
}

RichTextBox* GridPanel::description(int row) const
{
    return row >= 1 && row <= rowCount() ? m_rows[size_t(row - 1)].description : nullptr;
}

QLineEdit* GridPanel::productId(int row) const
{
    return row >= 1 && row <= rowCount() ? m_rows[size_t(row - 1)].productId : nullptr;
}

bool GridPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const int row = watched->property("gridRow").toInt();
        const QString role = watched->property("gridRole").toString();
        if (event->type() == QEvent::FocusIn && (role == QLatin1String("id") || role == QLatin1String("desc"))) {
            emit currentDescRowChanged(row);
        } else if (event->type() == QEvent::FocusOut && role == QLatin1String("qty")) {
            colourQuantity(row);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void GridPanel::colourQuantity(int row)
{
    if (row < 1 || row > rowCount())
        return;
    QComboBox* qty = m_rows[size_t(row - 1)].qty;
    qint16 value = 0;
    const QString text = qty->currentText();
    const bool zero = text.isEmpty()
                      || (NumberText::readQuantity(text, m_locale, value) == NumberError::None && value == 0);
    GridStyle::setGrey(qty, zero);
}

GridPanel::Row GridPanel::createRow(int index)
{
    Row row;
    auto tag = [&](QWidget* field, const char* name, const char* role) {
        field->setObjectName(QLatin1String(name));
        field->setProperty("gridRow", index);
        field->setProperty("gridRole", QLatin1String(role));
    };
    row.serial = new QLineEdit(QString::number(index), this);
    tag(row.serial, "txtserial", "serial");
    row.serial->setReadOnly(true);
    row.serial->setAlignment(Qt::AlignCenter);
    row.serial->setFocusPolicy(Qt::NoFocus);
    row.serial->setToolTip(tr("Click to open Add Stock window"));
    GridStyle::setGrey(row.serial, true);

    row.productId = new QLineEdit(this);
    tag(row.productId, "txtproductID", "id");
    row.productId->setMaxLength(255);
    row.productId->installEventFilter(this);

    row.description = new RichTextBox(this);
    tag(row.description, "txtdescription", "desc");
    row.description->setTabChangesFocus(true);
    row.description->installEventFilter(this);
    QFont smaller = row.description->font();
    if (smaller.pointSizeF() > 2)
        smaller.setPointSizeF(smaller.pointSizeF() - 1);
    row.description->setFont(smaller);
    if (!m_multiLine) {
        row.description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        row.description->document()->setDocumentMargin(2);
    }

    row.qty = GridStyle::editableCombo(this, m_quantities);
    tag(row.qty, "cboqty", "qty");
    row.qty->installEventFilter(this);
    TypedKeyFilter::install(row.qty, KeyFilter::Kind::Digits);
    WheelNeedsFocus::guard(row.qty);

    row.price = new QLineEdit(this);
    tag(row.price, "txtprice", "price");
    row.price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TypedKeyFilter::install(row.price, KeyFilter::Kind::DigitsAndPoint);

    row.discount = GridStyle::editableCombo(this, m_discounts);
    tag(row.discount, "cbodiscount", "discount");
    row.discount->lineEdit()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TypedKeyFilter::install(row.discount, KeyFilter::Kind::DigitsAndPoint);
    WheelNeedsFocus::guard(row.discount);

    row.amount = new QLineEdit(this);
    tag(row.amount, "txtamount", "amount");
    row.amount->setReadOnly(true);
    row.amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.amount->setFocusPolicy(Qt::NoFocus);
    GridStyle::setGrey(row.amount, true);

    row.up = GridStyle::arrow(this, Qt::UpArrow, tr("Move row up"));
    tag(row.up, "picUp", "up");
    connect(row.up, &QToolButton::clicked, this, [this, index] { moveRowUp(index); });
    row.down = GridStyle::arrow(this, Qt::DownArrow, tr("Move row down"));
    tag(row.down, "picDown", "down");
    connect(row.down, &QToolButton::clicked, this, [this, index] { moveRowDown(index); });
    return row;
}

// Fields made after the panel is on screen stay hidden until shown; row 1 has no up arrow and the
// last row no down arrow.
void GridPanel::showRow(const Row& row, int index, int count)
{
    for (QWidget* field : std::initializer_list<QWidget*>{row.serial, row.productId, row.description, row.qty,
                                                         row.price, row.discount, row.amount})
        field->show();
    row.up->setVisible(index != 1);
    row.down->setVisible(index != count);
}

void GridPanel::placeRow(const Row& row, int index)
{
    const int top = rowTop(index);
    const int height = GridStyle::fieldHeight();
    const int extra = extraWidth();
    place(row.serial, SerialColumn, top, height, extra);
    place(row.productId, ProductColumn, top, height, extra);
    place(row.description, DescriptionColumn, top, rowHeight(), extra);
    place(row.qty, QtyColumn, top, height, extra);
    place(row.price, PriceColumn, top, height, extra);
    place(row.discount, DiscountColumn, top, height, extra);
    place(row.amount, AmountColumn, top, height, extra);
    const int arrowLeft = AmountColumn.left + AmountColumn.width + 60;
    const int arrowTop = m_multiLine ? top + Twips::toPixels(60) : top;
    place(row.up, {arrowLeft, ArrowWidth}, arrowTop, height, extra);
    place(row.down, {arrowLeft + ArrowWidth + 30, ArrowWidth}, arrowTop, height, extra);
}
