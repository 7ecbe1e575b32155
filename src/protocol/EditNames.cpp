#include "EditNames.h"

namespace morvent {

std::string editName(int n) {
    return (n == 2 ? "edit" : "Edit") + std::to_string(n);
}

} // namespace morvent
