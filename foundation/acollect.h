// TCollection: a growable array of untyped item pointers, at most 65535, grown by a fixed
// step. Misuse (an index out of range, an item that is not there, a collection that cannot
// grow) is a fatal report of module "acollect"; such an operation never returns.
#pragma once

#include "foundation/tobject.h"

class TCollection : public TObject {
 public:
  using TestFunc = int (*)(void* item, void* arg);
  using ActionFunc = void (*)(void* item, void* arg);

  static constexpr int kMaxCapacity = 65535;

  TCollection(int capacity, int growBy);

  const char* className() const override;
  TObject* isA(const char* name) override;
  // Deletes the items when ownsItems is set, then frees the array.
  void cleanup() override;
  // Frees the array only, never the items.
  ~TCollection() override;

  virtual void* at(int index);
  virtual int indexOf(void* item);
  virtual void destroyAt(int index);
  virtual void removeAt(int index);
  virtual void remove(void* item);
  virtual void removeAll();
  virtual void destroy(void* item);
  virtual void destroyAll();
  // index from 0 to count; grows by growBy when full.
  virtual void insertAt(int index, void* item);
  virtual void replaceAt(int index, void* item);
  virtual int append(void* item);
  // First (last) item for which test returns exactly 1, or null.
  virtual void* findFirst(TestFunc test, void* arg);
  virtual void* findLast(TestFunc test, void* arg);
  virtual int forEach(ActionFunc action, void* arg);
  // Moves the non-null items to the front in order and drops the rest.
  virtual void pack();
  // Resizes the array to n slots, at least count and at most kMaxCapacity.
  virtual void setCapacity(int n);
  // Frees an item as raw memory (items are malloc blocks); no destructor runs. Derived
  // classes override it for other item types.
  virtual void deleteItem(void* item);

  bool ownsItems() const { return ownsItems_ != 0; }
  void setOwnsItems(bool owns) { ownsItems_ = owns ? 1 : 0; }
  int count() const { return count_; }
  int capacity() const { return capacity_; }
  int growBy() const { return growBy_; }

 private:
  void checkIndex(int index, int line, const char* prefix, const char* suffix) const;

  int ownsItems_ = 0;
  void** items_ = nullptr;
  int count_ = 0;
  int capacity_ = 0;
  int growBy_;
};
