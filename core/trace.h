#pragma once

#include <QLoggingCategory>

// The program's diagnostic traces ("CPage2::InitializeUI() is called!!").
// Off by default; QT_LOGGING_RULES="quillon.trace.debug=true" shows them.
Q_DECLARE_LOGGING_CATEGORY(lcTrace)
