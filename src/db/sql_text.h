// Scanning SQL text the way the server reads it, so that string literals,
// quoted identifiers and comments are never mistaken for parameters or
// statement ends.
#pragma once

#include <QString>
#include <QStringList>

// A statement with its named parameters (":N", ":KD") turned into the
// library's positional "?" markers.
struct PositionalSql {
    QString text;
    // Parameter names in upper case, one per marker in text order; a name
    // used twice appears twice.
    QStringList names;
};

PositionalSql toPositionalParameters(const QString& sql);

// Splits a script into its statements, without their terminators, obeying
// "SET TERM" lines that change the terminator (as needed around procedure
// bodies). Statements that are empty or only comments are dropped.
QStringList splitScript(const QString& script);
