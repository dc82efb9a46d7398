#pragma once

#include <cstddef>

namespace corvane {

/// Maps in all the pages of a fresh output block at once, before the
/// translation writes them: one call instead of a page fault per page of a
/// long text. Hosts without the call leave the pages to be faulted in.
void map_output_pages(char* block, std::size_t size);

}  // namespace corvane
