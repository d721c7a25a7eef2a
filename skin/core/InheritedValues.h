#pragma once
// Resolves a value along PARENTCLASS chains for every section at once: each
// section gets its own value, else the first one found along its chain of
// parents. Every section is visited a fixed number of times, so long chains cost
// their length, not its square or cube. A chain that loops ends once every
// section of the loop was seen.

#include <algorithm>
#include <cstddef>
#include <vector>

// parent(i): the next section of i's chain, or -1. own(i): i's own value, or `none`.
template <class T, class Parent, class Own>
std::vector<T> InheritAlongChains(size_t count, const Parent& parent, const Own& own, const T& none)
{
  enum : char { Unseen, OnWalk, Done };
  std::vector<T> result(count, none);
  std::vector<char> state(count, Unseen);
  std::vector<int> walk;
  for (size_t start = 0; start < count; ++start) {
    walk.clear();
    int node = static_cast<int>(start);
    while (node >= 0 && state[node] == Unseen) {
      state[node] = OnWalk;
      walk.push_back(node);
      node = parent(node);
    }
    size_t end = walk.size();
    if (node >= 0 && state[node] == OnWalk) {
      // A loop from `node` on: each member takes the first value going round from itself.
      const size_t first = static_cast<size_t>(std::find(walk.begin(), walk.end(), node) - walk.begin());
      const size_t length = end - first;
      T last = none;
      for (size_t j = 2 * length; j-- > 0;) {
        const int at = walk[first + j % length];
        const T mine = own(at);
        if (mine != none)
          last = mine;
        if (j < length) {
          result[at] = last;
          state[at] = Done;
        }
      }
      end = first;
    }
    T inherited = node >= 0 ? result[node] : none;
    for (size_t i = end; i-- > 0;) {
      const T mine = own(walk[i]);
      if (mine != none)
        inherited = mine;
      result[walk[i]] = inherited;
      state[walk[i]] = Done;
    }
  }
  return result;
}
