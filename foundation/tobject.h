// The root of the foundation classes: a class name, a class test by name and a reference
// count with a clean-up hook. Derived classes keep these seven virtual slots first, in order.
#pragma once

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  virtual const char* className() const;
  // This object when `name` equals the class name (or an ancestor's) byte for byte, else null.
  virtual TObject* isA(const char* name);
  // Hook run by the last release before the object is deleted.
  virtual void cleanup();
  virtual int addRef();
  virtual int refCount() const;
  // Drops one owner; the last one runs cleanup and deletes the object. Returns the new count.
  virtual int release();
  virtual ~TObject();

 protected:
  // True when `name` is not null and equals `ownName` byte for byte.
  static bool namesMatch(const char* name, const char* ownName);

 private:
  int refCount_ = 1;
};
