// TObject: class name, class test and reference counting.
#include "foundation/tobject.h"

#include <cstring>

const char* TObject::className() const { return "TObject"; }

TObject* TObject::isA(const char* name) { return namesMatch(name, "TObject") ? this : nullptr; }

void TObject::cleanup() {}

int TObject::addRef() { return ++refCount_; }

int TObject::refCount() const { return refCount_; }

int TObject::release() {
  if (--refCount_ > 0) return refCount_;
  cleanup();
  delete this;
  return 0;
}

TObject::~TObject() = default;

bool TObject::namesMatch(const char* name, const char* ownName) {
  return name && std::strcmp(name, ownName) == 0;
}
