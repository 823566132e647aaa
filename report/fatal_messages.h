#pragma once

#include <cstdint>
#include <string>

#include "generation/password_list_builder.h"

namespace qinghe {

// The message shown before the program ends because memory ran out.
std::string outOfMemoryMessage(std::uint64_t bytes, TextEncoding encoding);

}  // namespace qinghe
