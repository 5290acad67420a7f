#include "store/widgets/DatabaseFrame.h"

#include "core/AppPaths.h"
#include "core/Dialogs.h"
#include "store/CreateDatabaseCommand.h"
#include "store/Database.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

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

    auto* create = new QPushButton(tr("Create New Database \"Company.mdb\""), this);
    create->setObjectName(QStringLiteral("cmdCreateDb"));
    auto* help = new QPushButton(tr("?"), this);
    help->setObjectName(QStringLiteral("cmdcreateDBhelp"));
    help->setFixedWidth(28);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_path, 0, 0, 1, 3);
    grid->addWidget(create, 1, 0);
    grid->addWidget(help, 1, 1);
    grid->setColumnStretch(2, 1);

    connect(create, &QPushButton::clicked, this, &DatabaseFrame::createDatabase);
    connect(help, &QPushButton::clicked, this, [this] {
        m_dialogs.inform(CreateDatabaseCommand::helpText(m_database.path(), AppPaths::dataFolder()));
    });
}

void DatabaseFrame::refresh()
{
    m_path->setText(m_createdPath.isEmpty() ? m_database.path() : m_createdPath);
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
