#include "store/widgets/DatabaseFrame.h"

#include "core/AppPaths.h"
#include "core/Dialogs.h"
#include "store/CreateDatabaseCommand.h"
#include "store/Database.h"
#include "store/ServerChoice.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

DatabaseFrame::DatabaseFrame(SettingsStore& settings, Database& database, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(tr(" Database "), parent),
      m_settings(settings),
      m_database(database),
      m_dialogs(dialogs),
      m_path(new QLineEdit(this))
{
    setObjectName(QStringLiteral("FrameDatabase"));
    m_path->setObjectName(QStringLiteral("txtDb"));
    m_path->setReadOnly(true);
    m_path->setMinimumWidth(420);

    m_create = new QPushButton(tr("Create New Database \"Company.mdb\""), this);
    m_create->setObjectName(QStringLiteral("cmdCreateDb"));
    m_createHelp = new QPushButton(tr("?"), this);
    m_createHelp->setObjectName(QStringLiteral("cmdcreateDBhelp"));
    m_createHelp->setFixedWidth(28);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_path, 0, 0, 1, 3);
    grid->addWidget(m_create, 1, 0);
    grid->addWidget(m_createHelp, 1, 1);
    grid->addWidget(buildServerBox(), 2, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    connect(m_create, &QPushButton::clicked, this, &DatabaseFrame::createDatabase);
    connect(m_createHelp, &QPushButton::clicked, this, [this] {
        m_dialogs.inform(CreateDatabaseCommand::helpText(m_database.path(), AppPaths::dataFolder()));
    });
}

QWidget* DatabaseFrame::buildServerBox()
{
    auto* box = new QWidget(this);
    m_local = new QRadioButton(tr("This computer"), box);
    m_local->setObjectName(QStringLiteral("optDbLocal"));
    m_server = new QRadioButton(tr("Shared server"), box);
    m_server->setObjectName(QStringLiteral("optDbServer"));
    auto* places = new QButtonGroup(box);
    places->addButton(m_local);
    places->addButton(m_server);
    m_host = new QLineEdit(box);
    m_host->setObjectName(QStringLiteral("txtServerHost"));
    m_port = new QLineEdit(box);
    m_port->setObjectName(QStringLiteral("txtServerPort"));
    m_port->setPlaceholderText(QStringLiteral("5432"));
    m_port->setMaxLength(5);
    m_port->setMaximumWidth(70);
    m_name = new QLineEdit(box);
    m_name->setObjectName(QStringLiteral("txtServerDatabase"));
    m_user = new QLineEdit(box);
    m_user->setObjectName(QStringLiteral("txtServerUser"));
    for (QLineEdit* field : {m_host, m_name, m_user})
        field->setMaxLength(255);
    auto* save = new QPushButton(tr("Save"), box);
    save->setObjectName(QStringLiteral("cmdSaveDbPlace"));
    m_createTables = new QPushButton(tr("Create tables"), box);
    m_createTables->setObjectName(QStringLiteral("cmdCreateTables"));
    auto* help = new QPushButton(tr("?"), box);
    help->setObjectName(QStringLiteral("cmdDbPlaceHelp"));
    help->setFixedWidth(28);

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 6, 0, 0);
    grid->addWidget(m_local, 0, 0);
    grid->addWidget(m_server, 0, 1);
    grid->addWidget(help, 0, 3);
    const std::pair<QString, QLineEdit*> fields[] = {
        {tr("Host"), m_host}, {tr("Port"), m_port}, {tr("Database"), m_name}, {tr("User"), m_user}};
    int row = 1;
    for (const auto& [caption, field] : fields) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row++, 1, 1, 3);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(m_createTables);
    buttons->addStretch(1);
    grid->addLayout(buttons, row, 0, 1, 4);
    grid->setColumnStretch(2, 1);

    connect(m_local, &QRadioButton::toggled, this, &DatabaseFrame::enableServerFields);
    connect(save, &QPushButton::clicked, this, [this] {
        if (!shownChoice().save(m_settings, m_dialogs))
            return;
        emit placeSaved();
        refresh();
    });
    connect(m_createTables, &QPushButton::clicked, this, [this] { shownChoice().createTables(m_dialogs); });
    connect(help, &QPushButton::clicked, this, [this] { m_dialogs.inform(ServerChoice::helpText()); });
    showChoice(ServerChoice::load(m_settings));
    return box;
}

ServerChoice DatabaseFrame::shownChoice() const
{
    ServerChoice choice;
    choice.onServer = m_server->isChecked();
    choice.host = m_host->text();
    choice.port = m_port->text();
    choice.database = m_name->text();
    choice.user = m_user->text();
    return choice;
}

void DatabaseFrame::showChoice(const ServerChoice& choice)
{
    (choice.onServer ? m_server : m_local)->setChecked(true);
    m_host->setText(choice.host);
    m_port->setText(choice.port);
    m_name->setText(choice.database);
    m_user->setText(choice.user);
    enableServerFields();
}

void DatabaseFrame::enableServerFields()
{
    for (QWidget* field : {static_cast<QWidget*>(m_host), static_cast<QWidget*>(m_port),
                           static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_user),
                           static_cast<QWidget*>(m_createTables)})
        field->setEnabled(m_server->isChecked());
}

void DatabaseFrame::refresh()
{
    // A file just created is named until the next start, but not while a server is in use.
    m_path->setText(m_createdPath.isEmpty() || m_database.isServer() ? m_database.path() : m_createdPath);
    // A new file is a file operation: on a server there is none to make.
    m_create->setVisible(!m_database.isServer());
    m_createHelp->setVisible(!m_database.isServer());
    showChoice(ServerChoice::load(m_settings));
}

void DatabaseFrame::createDatabase()
{
    CreateDatabaseCommand command(m_dialogs, m_settings,
                                  [this](const QString& path, bool highlighted) { showPath(path, highlighted); });
    command.run(m_database.path(), AppPaths::dataFolder());
}

void DatabaseFrame::showPath(const QString& path, bool highlighted)
{
    m_createdPath = path;
    m_path->setText(path);
    // The new file stands out while the message about it is on screen.
    // Dark text on both fixed backgrounds, or a dark desktop palette would leave it unreadable.
    m_path->setStyleSheet(highlighted ? QStringLiteral("QLineEdit { background: rgb(255, 149, 255); color: black; }")
                                      : QStringLiteral("QLineEdit { background: white; color: black; }"));
}
