#pragma once

#include "editor/KeyFilter.h"

#include <QObject>

class QComboBox;
class QKeyEvent;
class QWidget;

// Discards the typed characters a numeric field does not take; keys that type nothing (arrows,
// Delete) and the editing shortcuts (select all, copy, cut, paste, undo, redo) pass untouched.
class TypedKeyFilter : public QObject
{
    Q_OBJECT

public:
    static void install(QWidget* field, KeyFilter::Kind kind);
    static void install(QComboBox* field, KeyFilter::Kind kind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isEditingShortcut(const QKeyEvent* key);

    TypedKeyFilter(KeyFilter::Kind kind, QObject* parent) : QObject(parent), m_kind(kind) {}

    KeyFilter::Kind m_kind;
};
