#include "core/trace.h"

Q_LOGGING_CATEGORY(lcTrace, "quillon.trace", QtInfoMsg)
