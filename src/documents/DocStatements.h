#pragma once

#include "core/NumberText.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QVariant>

struct Document;

// The statements on tbldoc, written exactly as the stored-document commands send them.
class DocStatements
{
public:
    // One INSERT for row `index` (0-based) of the document, or the reason a number field cannot be
    // written (TypeMismatch: text in a number field; Overflow: a value out of range).
    struct Insert
    {
        NumberError status = NumberError::None;
        QString sql;
    };

    static QString selectByNumber(const QString& number);
    static QString deleteByNumber(const QString& number);
    static QString deleteByLabel(const QString& label);
    static QString selectByNumberOrdered(const QString& number, bool ascending);
    static QString countRows(const QString& number);
    static QString distinctNumbers();
    // Every stored row in the list's order, with the columns the list shows (reading all the
    // columns of every row, descriptions included, would triple the time of a long list).
    static QString selectListOrdered(const QString& sortClause);
    // The saved-document list reads one row per number and the distinct values of the order's
    // key, each through an index; `key` is the sort column, `descending` its direction.
    static QString countNumbers();
    static QString listKeyClasses(const QString& key, bool descending);
    static QString listClassRows(const QString& key, bool descending, const QVariant& value);
    static QString listFirstRows(const QString& key, bool descending);
    // The same a piece at a time: up to `limit` keys after `after` (null: from the first key that is
    // not null), with the case check only when `caseCheck`; the numbers after `after`; and the first
    // rows of the numbers in (after, last] (a null `last`: every number after `after`). Rows without a
    // number are read on their own.
    static QString keyClassesAfter(const QString& key, bool descending, const QVariant& after, int limit,
                                   bool caseCheck);
    // Every distinct key that is not null, in order, compared exactly (no case check).
    static QString keysBySeeks(const QString& key, bool descending);
    static QString nullKeyClass(const QString& key);
    static QString numbersAfter(const QVariant& after, int limit);
    static QString firstRowsOfNumbers(const QString& key, bool descending, const QVariant& after,
                                      const QVariant& last);
    static QString firstRowWithoutNumber(const QString& key, bool descending);
    // What an in-place update of the list reads: one number's keys and first row, whether a key
    // still has rows, and the nearest key before it in the list's order.
    static QString numberKeys(const QString& key, const QString& number);
    static QString keyClassOf(const QString& key, const QVariant& value);
    static QString keyBefore(const QString& key, bool descending, const QVariant& value);
    static QString firstRowOf(const QString& key, bool descending, const QString& number);

    static Insert insertRow(const Document& document, int index, const QDate& saveDate, const QLocale& locale);

private:
    static QString quoted(const QString& value);
    static QString matching(const QString& key, const QVariant& value, const char* comparison);
    static QString yesNo(bool ticked);
};
