#pragma once

#include <QString>

// The exam rules shown in their own window.
const QString &examRulesText();
