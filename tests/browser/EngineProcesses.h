#pragma once
// The web engine's helper processes below the calling process, read from /proc.

#include <QStringList>

// The --type= value of every QtWebEngineProcess descendant ("zygote", "renderer", ...).
QStringList EngineHelperTypes();
int CountOf(const QStringList& types, const QString& type);
