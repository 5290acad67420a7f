#pragma once

#include <QWidget>

// The saved-document list with its order options, Open and Delete.
class SavedDocsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SavedDocsPanel(QWidget* parent = nullptr);
};
