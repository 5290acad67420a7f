#pragma once

#include <QCoreApplication>

#include <QStringList>

class CliContext;

// Parses the global options and runs one command.
class CliApp
{
    Q_DECLARE_TR_FUNCTIONS(CliApp)

public:
    int run(const QStringList& arguments);
    static QString helpText();

private:
    int dispatch(const QString& command, CliContext& context);
};
