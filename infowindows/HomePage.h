#pragma once

#include <QString>

// Where users find the project and write to it: shown in About and Hints.
inline const QString kHomePage = QStringLiteral("https://velmora.example.org");
inline const QString kContactAddress = QStringLiteral("velmora@example.org");
