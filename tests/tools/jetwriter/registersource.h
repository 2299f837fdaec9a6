#pragma once

#include "jetrows.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

// A register file of the desk (SQLite, whatever its name), read only: its
// tables in the order they were made, each table's columns as the Jet types
// that hold their values, and its rows in table order.
class RegisterSource
{
public:
    explicit RegisterSource(const QString& path);
    ~RegisterSource();
    RegisterSource(const RegisterSource&) = delete;
    RegisterSource& operator=(const RegisterSource&) = delete;

    QStringList tables() const;
    // INTEGER columns become long integers (a value that is not a 32-bit
    // integer is a JetError), the others texts, or memos when a value is
    // longer than a text column holds.
    QList<Jet::Column> columns(const QString& table) const;
    // Calls `row` with each row's values in column order, NULL as a null
    // QVariant.
    void readRows(const QString& table, const std::function<void(const QVariantList&)>& row) const;

private:
    QStringList declaredTypes(const QString& table, QStringList* names) const;

    QString m_path;
    QString m_connection;
    QSqlDatabase m_db;
};
