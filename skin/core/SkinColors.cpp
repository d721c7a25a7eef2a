#include "skin/core/SkinColors.h"

#include <atomic>

namespace {

std::atomic<TacSystemColorResolver> resolver{nullptr};

}  // namespace

void SetSystemColorResolver(TacSystemColorResolver newResolver)
{
  resolver = newResolver;
}

int32_t ResolveSkinColor(int32_t color)
{
  const TacSystemColorResolver current = resolver;
  return color < 0 && current ? static_cast<int32_t>(current(color)) : color;
}
