#include "kernel/index_heap_sort.h"

namespace kernel {

namespace {

// The heap h[1..n] of key indices; h[0] is unused.
class IndexHeap {
 public:
  IndexHeap(const std::vector<Real>& keys, bool ascending) : keys_(keys), ascending_(ascending) {
    heap_.resize(keys.size() + 1);
    for (std::size_t i = 0; i < keys.size(); ++i) heap_[i + 1] = static_cast<std::uint32_t>(i);
  }

  void Sort() {
    const std::size_t n = keys_.size();
    // The root is not sifted while building: the first pass of the sort does that.
    for (std::size_t k = n / 2; k >= 2; --k) Sift(k, n);
    for (std::size_t m = n; m >= 2; --m) {
      Sift(1, m);
      std::swap(heap_[1], heap_[m]);
    }
  }

  std::uint32_t At(std::size_t i) const { return heap_[i + 1]; }

 private:
  // Ascending: a strictly larger key beats. Descending: any key that is not larger beats, so
  // equal keys beat each other.
  bool Beats(std::uint32_t x, std::uint32_t y) const {
    const bool larger = keys_[x] > keys_[y];
    return ascending_ ? larger : !larger;
  }

  // Walks down from k: the better child of each place is compared with the sifted entry t and
  // moves up when it beats t. The first pass runs even when it reaches the last place m.
  void Sift(std::size_t k, std::size_t m) {
    const std::uint32_t t = heap_[k];
    std::size_t j = 2 * k;
    do {
      if (j < m && Beats(heap_[j + 1], heap_[j])) ++j;
      if (Beats(heap_[j], t)) {
        heap_[k] = heap_[j];
        k = j;
        heap_[k] = t;
      } else {
        k = j;
      }
      j = 2 * k;
    } while (j < m);
  }

  const std::vector<Real>& keys_;
  bool ascending_;
  std::vector<std::uint32_t> heap_;
};

}  // namespace

void InitSortKeys(SortKeys& context, std::span<const Real> keys, std::uint8_t direction) {
  context.keys.assign(keys.begin(), keys.end());
  context.count = static_cast<std::int32_t>(keys.size());
  context.direction = direction;
}

bool HeapSortIndices(SortKeys& context, std::span<std::uint32_t> out) {
  const std::size_t n = context.keys.size();
  if (out.size() < n) return false;
  IndexHeap heap(context.keys, context.direction != kSortDescending);
  heap.Sort();
  for (std::size_t i = 0; i < n; ++i) out[i] = heap.At(i);
  context.keys.clear();
  context.keys.shrink_to_fit();
  context.count = 0;
  return true;
}

}  // namespace kernel
