#include "PumpScope.h"

namespace qs {

namespace {
int g_depth = 0;
} // namespace

PumpScope::PumpScope() {
    ++g_depth;
}

PumpScope::~PumpScope() {
    --g_depth;
}

int PumpScope::Depth() {
    return g_depth;
}

} // namespace qs
