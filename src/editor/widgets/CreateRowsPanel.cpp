#include "editor/widgets/CreateRowsPanel.h"

#include "core/HelpTexts.h"
#include "core/PickLists.h"
#include "core/SettingsStore.h"
#include "core/widgets/HelpButton.h"
#include "core/widgets/HelpPlacement.h"
#include "editor/EditorState.h"
#include "editor/widgets/DropDownOnFocus.h"
#include "editor/widgets/GridStyle.h"
#include "editor/widgets/TypedKeyFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

CreateRowsPanel::CreateRowsPanel(SettingsStore& settings, QWidget* parent)
    : QWidget(parent),
      m_settings(settings),
      m_count(GridStyle::editableCombo(this, PickLists::rowCounts())),
      m_new(new QRadioButton(tr("New"), this)),
      m_current(new QRadioButton(tr("Current"), this)),
      m_create(new QPushButton(tr("Create Rows"), this)),
      m_multiLine(new QCheckBox(tr("Show MultiLine"), this))
{
    setObjectName(QStringLiteral("FrameCreateRows"));
    m_count->setObjectName(QStringLiteral("txtnum"));
    m_count->setFixedWidth(70);
    m_new->setObjectName(QStringLiteral("OptNew"));
    m_current->setObjectName(QStringLiteral("optEdit"));
    m_create->setObjectName(QStringLiteral("cmdcreate"));
    m_multiLine->setObjectName(QStringLiteral("chkMultiLine"));
    // Picking a count from the list moves on to this button; Enter then presses it, as Space does.
    m_create->setAutoDefault(true);
    m_new->setChecked(true);
    m_current->setEnabled(false);
    m_multiLine->setChecked(m_settings.get(SettingsStore::MultiLine) == QLatin1String("1"));
    TypedKeyFilter::install(m_count, KeyFilter::Kind::DigitsAndPoint);
    DropDownOnFocus::install(m_count);

    auto* layout = m_line = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->addWidget(new QLabel(tr("Rows"), this));
    layout->addWidget(m_count);
    layout->addWidget(m_new);
    layout->addWidget(m_current);
    layout->addWidget(m_create);
    layout->addSpacing(16);
    layout->addWidget(m_multiLine);
    layout->addStretch(1);

    connect(m_create, &QPushButton::clicked, this, &CreateRowsPanel::createRequested);
    connect(m_count->lineEdit(), &QLineEdit::returnPressed, this, &CreateRowsPanel::createRequested);
    connect(m_count, &QComboBox::activated, this, [this] { m_create->setFocus(Qt::OtherFocusReason); });
    connect(m_multiLine, &QCheckBox::clicked, this, [this](bool checked) {
        m_settings.save(SettingsStore::MultiLine, checked ? QStringLiteral("1") : QString());
        emit multiLineChanged(checked);
    });
}

void CreateRowsPanel::addHelpButtons(Dialogs& dialogs)
{
    HelpPlacement::place(this, dialogs,
                         {{QStringLiteral("cmdcreate"), HelpTexts::CreateRows},
                          {QStringLiteral("chkMultiLine"), HelpTexts::MultiLine}});
    // The grid right below has no room of its own for them: its description and row-move help
    // sit at the end of this line, each with a caption saying what it explains.
    for (const auto& [caption, key] : {std::pair{tr("Descriptions"), HelpTexts::Description},
                                       std::pair{tr("Row moves"), HelpTexts::RowMoves}}) {
        m_line->addWidget(new QLabel(caption, this));
        m_line->addWidget(new HelpButton(key, dialogs, this));
    }
}

QString CreateRowsPanel::countText() const
{
    return m_count->currentText();
}

void CreateRowsPanel::clearCount(bool focus)
{
    m_count->setCurrentIndex(-1);
    m_count->setEditText(QString());
    if (focus)
        m_count->setFocus(Qt::OtherFocusReason);
}

void CreateRowsPanel::selectNew()
{
    m_new->setChecked(true);
}

void CreateRowsPanel::readInto(EditorState& state) const
{
    state.newSelected = m_new->isChecked();
    state.currentSelected = m_current->isChecked();
    state.currentEnabled = m_current->isEnabled();
    state.multiLine = m_multiLine->isChecked();
}

void CreateRowsPanel::showFrom(const EditorState& state)
{
    m_current->setEnabled(state.currentEnabled);
    if (state.currentSelected)
        m_current->setChecked(true);
    else if (state.newSelected)
        m_new->setChecked(true);
}
