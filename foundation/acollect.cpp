// TCollection: growable array of item pointers with fatal reports on misuse.
#include "foundation/acollect.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "foundation/error_report.h"

namespace {

const char* const kModule = "acollect";

// Source lines named by the reports; log readers and tests rely on them staying fixed.
constexpr int kLineAt = 52;
constexpr int kLineRemoveAt = 59;
constexpr int kLineReplaceAt = 85;
constexpr int kLineInsertAt = 105;
constexpr int kLineIndexOf = 149;

[[noreturn]] void fail(int line, const char* text) {
  runError(kModule, line, text, true);
  std::abort();  // a fatal report never returns; this keeps the compiler sure of it
}

}  // namespace

TCollection::TCollection(int capacity, int growBy) : growBy_(growBy) { setCapacity(capacity); }

const char* TCollection::className() const { return "TCollection"; }

TObject* TCollection::isA(const char* name) {
  return namesMatch(name, "TCollection") ? this : TObject::isA(name);
}

void TCollection::cleanup() {
  if (ownsItems_) destroyAll();
  setCapacity(0);
}

TCollection::~TCollection() { std::free(items_); }

void TCollection::checkIndex(int index, int line, const char* prefix, const char* suffix) const {
  if (index >= 0 && index < count_) return;
  char text[80];
  std::snprintf(text, sizeof text, "%s%d%s", prefix, index, suffix);
  fail(line, text);
}

void* TCollection::at(int index) {
  checkIndex(index, kLineAt, "Collection index ", " is out of bounds");
  return items_[index];
}

int TCollection::indexOf(void* item) {
  for (int i = 0; i < count_; ++i)
    if (items_[i] == item) return i;
  fail(kLineIndexOf, "Item not found");
}

void TCollection::destroyAt(int index) {
  void* item = at(index);
  removeAt(index);
  deleteItem(item);
}

void TCollection::removeAt(int index) {
  checkIndex(index, kLineRemoveAt, "Removing element no. ", "");
  std::memmove(items_ + index, items_ + index + 1, sizeof(void*) * (count_ - index - 1));
  --count_;
}

void TCollection::remove(void* item) { removeAt(indexOf(item)); }

void TCollection::removeAll() { count_ = 0; }

void TCollection::destroy(void* item) {
  remove(item);
  deleteItem(item);
}

void TCollection::destroyAll() {
  for (int i = 0; i < count_; ++i) deleteItem(at(i));
  count_ = 0;
}

void TCollection::insertAt(int index, void* item) {
  if (index < 0 || index > count_) {
    char text[80];
    std::snprintf(text, sizeof text, "Collection index %d is out of bounds", index);
    fail(kLineInsertAt, text);
  }
  if (count_ == capacity_) setCapacity(count_ + growBy_);
  // At the limit, or with a growth step of 0, the array stays full: never write past it.
  if (count_ == capacity_) fail(kLineInsertAt, "Collection is full");
  std::memmove(items_ + index + 1, items_ + index, sizeof(void*) * (count_ - index));
  items_[index] = item;
  ++count_;
}

void TCollection::replaceAt(int index, void* item) {
  checkIndex(index, kLineReplaceAt, "Collection index ", " is out of bounds");
  items_[index] = item;
}

int TCollection::append(void* item) {
  int index = count_;
  insertAt(index, item);
  return index;
}

void* TCollection::findFirst(TestFunc test, void* arg) {
  for (int i = 0; i < count_; ++i)
    if (test(items_[i], arg) == 1) return items_[i];
  return nullptr;
}

void* TCollection::findLast(TestFunc test, void* arg) {
  for (int i = count_ - 1; i >= 0; --i)
    if (test(items_[i], arg) == 1) return items_[i];
  return nullptr;
}

int TCollection::forEach(ActionFunc action, void* arg) {
  for (int i = 0; i < count_; ++i) action(items_[i], arg);
  return count_;
}

void TCollection::pack() {
  int kept = 0;
  for (int i = 0; i < count_; ++i)
    if (items_[i]) items_[kept++] = items_[i];
  count_ = kept;
}

void TCollection::setCapacity(int n) {
  if (n < count_) n = count_;
  if (n > kMaxCapacity) n = kMaxCapacity;
  if (n == capacity_) return;
  void** grown = nullptr;
  if (n > 0) {
    grown = static_cast<void**>(std::malloc(sizeof(void*) * n));
    if (!grown) return;  // keep the old array; an insertion then finds the collection full
    if (count_) std::memcpy(grown, items_, sizeof(void*) * count_);
  }
  std::free(items_);
  items_ = grown;
  capacity_ = n;
}

void TCollection::deleteItem(void* item) { std::free(item); }
