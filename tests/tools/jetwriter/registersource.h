#pragma once

#include "jetrows.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

// A register file (SQLite) read only: tables in creation order, columns as Jet types, rows.
class RegisterSource
{
public:
    explicit RegisterSource(const QString& path);
    ~RegisterSource();
    RegisterSource(const RegisterSource&) = delete;
    RegisterSource& operator=(const RegisterSource&) = delete;

    QStringList tables() const;
    // INTEGER columns become longs (non-32-bit values are a JetError); others texts, or memos.
    QList<Jet::Column> columns(const QString& table) const;
    // Calls `row` with each row's values in column order, NULL as a null QVariant.
    void readRows(const QString& table, const std::function<void(const QVariantList&)>& row) const;

private:
    QStringList declaredTypes(const QString& table, QStringList* names) const;

    QString m_path;
    QString m_connection;
    QSqlDatabase m_db;
};
