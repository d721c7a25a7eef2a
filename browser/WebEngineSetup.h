#pragma once
// Process-wide settings the web engine reads once, when it starts. main calls
// PrepareWebEngine before it creates the application object.

void PrepareWebEngine();
