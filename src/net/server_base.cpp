#include "net/endpoints.h"

const std::string& ServerBase() {
    static const std::string base = CORVANTA_SERVER_BASE;
    return base;
}
