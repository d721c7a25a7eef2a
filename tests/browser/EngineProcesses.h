#pragma once
// The web engine's helper processes below the calling process, read from /proc.

#include <QStringList>

// The kind of every QtWebEngineProcess descendant: its --type= value ("zygote", "utility",
// ...), or "renderer" for a process that a zygote forked.
QStringList EngineHelperTypes();
int CountOf(const QStringList& types, const QString& type);
