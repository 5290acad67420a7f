#include "documents/widgets/SavedDocsPanel.h"

#include "core/HelpTexts.h"
#include "core/widgets/HelpPlacement.h"
#include "documents/SavedDocsList.h"
#include "documents/widgets/SavedDocsModel.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStringListModel>

SavedDocsPanel::SavedDocsPanel(QWidget* parent)
    : QWidget(parent),
      m_list(new QComboBox(this)),
      m_count(new QLabel(tr("No. of Files"), this)),
      m_open(new QPushButton(tr("Open"), this)),
      m_delete(new QPushButton(tr("Delete"), this)),
      m_orders(new QButtonGroup(this)),
      m_entries(new SavedDocsModel(this)),
      m_completion(new QStringListModel(this))
{
    setObjectName(QStringLiteral("FrameSavedDoc"));
    buildLayout();
    // Focusing the panel (Ctrl+O) puts the cursor into the list, ready to type a number.
    setFocusProxy(m_list);
    connect(m_orders, &QButtonGroup::idClicked, this, &SavedDocsPanel::orderChanged);
    connect(m_list, &QComboBox::activated, this, [this](int index) { emit openRequested(m_list->itemText(index)); });
    connect(m_open, &QPushButton::clicked, this, [this] { emit openRequested(listText()); });
    connect(m_delete, &QPushButton::clicked, this, &SavedDocsPanel::deleteRequested);
}

QColor SavedDocsPanel::droppedTextColour()
{
    return QColor(192, 255, 255);
}

QString SavedDocsPanel::initialText()
{
    return tr("Open Saved File Here");
}

void SavedDocsPanel::buildLayout()
{
    auto* frame = new QGroupBox(tr(" Open Previous - Ordered by "), this);
    frame->setObjectName(QStringLiteral("FrameOpen"));
    auto* options = new QHBoxLayout;
    for (int index = 0; index < SavedDocsList::OrderCount; ++index) {
        auto* option = new QRadioButton(SavedDocsList::caption(index), frame);
        option->setObjectName(QStringLiteral("optOrder%1").arg(index));
        option->setToolTip(SavedDocsList::tooltip(index));
        option->setChecked(index == SavedDocsList::ByDate);
        m_orders->addButton(option, index);
        options->addWidget(option);
    }
    options->addStretch(1);

    m_list->setObjectName(QStringLiteral("cboDocNumber"));
    m_list->setToolTip(tr("Open Saved File"));
    m_list->setEditable(true);
    m_list->setInsertPolicy(QComboBox::NoInsert);
    m_list->setMaxVisibleItems(30);
    // Every entry has the same height and the box's width does not follow them: a long list is
    // neither measured nor laid out before it is opened.
    m_list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_list->setModel(m_entries);
    // The typed number is completed from every entry at once, as the box's own completer would,
    // but from a plain list: on the box's model that hands out pages, the completer would fetch
    // them all a page at a time whenever the list changes.
    auto* completer = new QCompleter(m_completion, m_list);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::InlineCompletion);
    m_list->setCompleter(completer);
    if (auto* view = qobject_cast<QListView*>(m_list->view()))
        view->setUniformItemSizes(true);
    // An entry too wide for the screen loses the end of its address, never its balance or date.
    m_list->view()->setTextElideMode(Qt::ElideRight);
    m_list->setMinimumContentsLength(40);
    // The padded fields of the entries line up only in a fixed-pitch font.
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setFixedPitch(true);
    if (!QFontInfo(fixed).fixedPitch())
        fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_list->setFont(fixed);
    m_list->view()->setFont(fixed);
    // Dropped down, the list is black with light cyan text; the closed box keeps the desktop's colours.
    QPalette dropped = m_list->view()->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::AlternateBase})
        dropped.setColor(role, Qt::black);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText})
        dropped.setColor(role, droppedTextColour());
    m_list->view()->setPalette(dropped);
    // The box itself receives the keys typed into it and hands them to its line edit directly.
    m_list->installEventFilter(this);
    m_list->lineEdit()->installEventFilter(this);

    m_count->setObjectName(QStringLiteral("lbldocinfo"));
    // Room for a seven-digit count, so that the list and its buttons stay put as the count grows.
    m_count->setMinimumWidth(m_count->fontMetrics().horizontalAdvance(QStringLiteral("9999999 files")));
    m_open->setObjectName(QStringLiteral("cmdgetDOC"));
    m_delete->setObjectName(QStringLiteral("cmddeletePO"));
    m_delete->setToolTip(tr("Delete this document"));

    auto* row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    row->addWidget(m_open);
    row->addWidget(m_delete);
    row->addWidget(m_count);
    auto* column = new QVBoxLayout(frame);
    column->addLayout(options);
    column->addLayout(row);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
}

void SavedDocsPanel::addHelpButtons(Dialogs& dialogs)
{
    HelpPlacement::place(this, dialogs,
                         {{QStringLiteral("cmdgetDOC"), HelpTexts::SavedDocuments},
                          {QStringLiteral("cmddeletePO"), HelpTexts::DeleteDocument}});
}

bool SavedDocsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_list || watched == m_list->lineEdit()) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit openRequested(listText());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SavedDocsPanel::setEntries(const QStringList& entries)
{
    m_completion->setStringList(entries);
    m_entries->setEntries(entries);
    fitDroppedWidth(entries);
}

void SavedDocsPanel::fitDroppedWidth(const QStringList& entries)
{
    // The entries' fields are padded to fixed widths in a fixed-pitch font: the first few hundred tell
    // the width without measuring a long list.
    const QString separator = SavedDocsList::separatorLine();
    qsizetype longest = 0;
    for (qsizetype i = 0; i < std::min<qsizetype>(entries.size(), 300); ++i) {
        if (entries.at(i) != separator)
            longest = std::max(longest, entries.at(i).size());
    }
    QAbstractItemView* view = m_list->view();
    const int bar = view->verticalScrollBar()->sizeHint().width();
    int width = view->fontMetrics().horizontalAdvance(QString(longest, QLatin1Char('0'))) + bar + 4 * view->frameWidth() + 8;
    if (const QScreen* shown = screen())
        width = std::min(width, shown->availableGeometry().width() - 16);
    view->setMinimumWidth(std::max(0, width));
}

void SavedDocsPanel::showListing(const SavedDocsListing& listing)
{
    setEntries(listing.entries);
    m_list->setEditText(QString());
    m_count->setText(listing.countLabel);
}

void SavedDocsPanel::updateListing(const SavedDocsListing& listing)
{
    const QString typed = m_list->currentText();
    QLineEdit* edit = m_list->lineEdit();
    const int cursor = edit ? edit->cursorPosition() : 0;
    const int selectionStart = edit ? edit->selectionStart() : -1;
    const int selectionLength = edit ? edit->selectionLength() : 0;
    setEntries(listing.entries);
    m_count->setText(listing.countLabel);
    if (m_list->currentText() != typed)
        m_list->setEditText(typed);
    if (!edit)
        return;
    if (selectionStart >= 0 && selectionLength > 0)
        edit->setSelection(selectionStart, selectionLength);
    else
        edit->setCursorPosition(cursor);
}

int SavedDocsPanel::order() const
{
    const int id = m_orders->checkedId();
    return id < 0 ? int(SavedDocsList::ByDate) : id;
}

QString SavedDocsPanel::listText() const
{
    return m_list->currentText();
}

void SavedDocsPanel::setListText(const QString& text)
{
    m_list->setEditText(text);
}
