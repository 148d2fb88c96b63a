// TObject's class test and reference counting; TCollection's growth, order and fatal checks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "foundation/acollect.h"
#include "tests/support/recording_os.h"
#include "tests/support/scratch_folder.h"

namespace {

// Counts cleanup calls and destructions so release can be observed.
struct Probe : TObject {
  int* cleanups;
  int* destroyed;
  Probe(int* c, int* d) : cleanups(c), destroyed(d) {}
  void cleanup() override { ++*cleanups; }
  ~Probe() override { ++*destroyed; }
};

// A collection whose deleteItem records instead of freeing, so items can be plain markers.
struct Recording : TCollection {
  std::vector<void*> deleted;
  Recording(int capacity, int growBy) : TCollection(capacity, growBy) {}
  void deleteItem(void* item) override { deleted.push_back(item); }
};

void* item(int n) { return reinterpret_cast<void*>(static_cast<std::intptr_t>(n)); }

int isTwo(void* i, void*) { return i == item(2) ? 1 : 0; }
int answersTwo(void*, void*) { return 2; }
int even(void* i, void*) { return reinterpret_cast<std::intptr_t>(i) % 2 == 0; }

}  // namespace

TEST(TObject, ClassTestIsExactAndFollowsAncestors) {
  TObject object;
  TCollection collection(0, 1);
  EXPECT_STREQ(object.className(), "TObject");
  EXPECT_STREQ(collection.className(), "TCollection");
  EXPECT_EQ(object.isA("TObject"), &object);
  EXPECT_EQ(collection.isA("TObject"), &collection);
  EXPECT_EQ(collection.isA("TCollection"), &collection);
  EXPECT_EQ(object.isA("TCollection"), nullptr);
  EXPECT_EQ(collection.isA("tcollection"), nullptr);
  EXPECT_EQ(object.isA(nullptr), nullptr);
}

TEST(TObject, LastReleaseRunsCleanupOnceAndDeletes) {
  int cleanups = 0, destroyed = 0;
  Probe* probe = new Probe(&cleanups, &destroyed);
  EXPECT_EQ(probe->addRef(), 2);
  EXPECT_EQ(probe->release(), 1);
  EXPECT_EQ(cleanups, 0);
  EXPECT_EQ(destroyed, 0);
  EXPECT_EQ(probe->release(), 0);
  EXPECT_EQ(cleanups, 1);
  EXPECT_EQ(destroyed, 1);
}

TEST(TCollection, GrowsByItsStepAndClampsCapacity) {
  TCollection c(0, 5);
  EXPECT_EQ(c.capacity(), 0);
  EXPECT_EQ(c.append(item(1)), 0);
  EXPECT_EQ(c.capacity(), 5);
  for (int i = 2; i <= 6; ++i) c.append(item(i));
  EXPECT_EQ(c.capacity(), 10);
  EXPECT_EQ(c.count(), 6);

  c.setCapacity(2);  // below count: keeps count slots
  EXPECT_EQ(c.capacity(), 6);
  c.setCapacity(100000);
  EXPECT_EQ(c.capacity(), TCollection::kMaxCapacity);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(c.at(i), item(i + 1));
}

TEST(TCollection, InsertRemoveReplaceKeepOrder) {
  TCollection c(2, 2);
  c.append(item(1));
  c.append(item(3));
  c.insertAt(1, item(2));
  c.insertAt(0, item(0));
  c.removeAt(2);
  c.replaceAt(2, item(9));
  ASSERT_EQ(c.count(), 3);
  EXPECT_EQ(c.at(0), item(0));
  EXPECT_EQ(c.at(1), item(1));
  EXPECT_EQ(c.at(2), item(9));
  EXPECT_EQ(c.indexOf(item(9)), 2);
  c.remove(item(0));
  EXPECT_EQ(c.at(0), item(1));
}

TEST(TCollection, SearchesSelectOnlyOnExactlyOne) {
  TCollection c(4, 4);
  for (int i = 1; i <= 4; ++i) c.append(item(i));
  EXPECT_EQ(c.findFirst(isTwo, nullptr), item(2));
  EXPECT_EQ(c.findFirst(answersTwo, nullptr), nullptr);
  EXPECT_EQ(c.findFirst(even, nullptr), item(2));
  EXPECT_EQ(c.findLast(even, nullptr), item(4));
  int visited = 0;
  EXPECT_EQ(c.forEach([](void*, void* arg) { ++*static_cast<int*>(arg); }, &visited), 4);
  EXPECT_EQ(visited, 4);
}

TEST(TCollection, PackDropsNullsInOrder) {
  TCollection c(4, 4);
  c.append(item(1));
  c.append(nullptr);
  c.append(item(2));
  c.append(nullptr);
  c.pack();
  ASSERT_EQ(c.count(), 2);
  EXPECT_EQ(c.at(0), item(1));
  EXPECT_EQ(c.at(1), item(2));
}

TEST(TCollection, DestroyOperationsDeleteThroughDeleteItem) {
  Recording c(4, 4);
  for (int i = 1; i <= 4; ++i) c.append(item(i));
  c.destroyAt(0);
  c.destroy(item(3));
  EXPECT_EQ(c.deleted, (std::vector<void*>{item(1), item(3)}));
  c.removeAll();
  c.destroyAll();  // nothing left to delete
  EXPECT_EQ(c.deleted.size(), 2u);
}

TEST(TCollection, ReleaseOfOwningCollectionFreesItems) {
  TCollection* c = new TCollection(1, 1);
  c->setOwnsItems(true);
  c->append(std::malloc(16));
  c->append(std::malloc(16));
  EXPECT_EQ(c->release(), 0);  // leak checkers see the items freed
}

// Each misuse ends the program with a fatal "acollect" report at its fixed line.
struct Misuse {
  const char* name;
  void (*run)(TCollection&);
  const char* report;
  friend void PrintTo(const Misuse& misuse, std::ostream* os) { *os << misuse.name; }
};

class CollectionMisuse : public ::testing::TestWithParam<Misuse> {};

TEST_P(CollectionMisuse, IsAFatalReport) {
  ScratchFolder folder;
  const Misuse& misuse = GetParam();
  EXPECT_EXIT(
      {
        RecordingOs os;
        TCollection c(3, 0);
        c.append(item(1));
        c.append(item(2));
        misuse.run(c);
      },
      ::testing::ExitedWithCode(1), misuse.report);
}

INSTANTIATE_TEST_SUITE_P(
    AllChecks, CollectionMisuse,
    ::testing::Values(
        Misuse{"AtCount", [](TCollection& c) { c.at(c.count()); },
               "File acollect, line 52:" NL "Collection index 2 is out of bounds"},
        Misuse{"AtNegative", [](TCollection& c) { c.at(-1); },
               "File acollect, line 52:" NL "Collection index -1 is out of bounds"},
        Misuse{"RemoveAt", [](TCollection& c) { c.removeAt(5); },
               "File acollect, line 59:" NL "Removing element no\\. 5"},
        Misuse{"ReplaceAt", [](TCollection& c) { c.replaceAt(2, nullptr); },
               "File acollect, line 85:" NL "Collection index 2 is out of bounds"},
        Misuse{"IndexOf", [](TCollection& c) { c.indexOf(item(7)); },
               "File acollect, line 149:" NL "Item not found"},
        Misuse{"RemoveMissing", [](TCollection& c) { c.remove(item(7)); },
               "File acollect, line 149:" NL "Item not found"},
        Misuse{"InsertPastCount", [](TCollection& c) { c.insertAt(3, item(3)); },
               "File acollect, line 105:" NL "Collection index 3 is out of bounds"},
        // Capacity 3, growth step 0: the fourth item finds the array full.
        Misuse{"InsertIntoFull",
               [](TCollection& c) {
                 c.append(item(3));
                 c.append(item(4));
               },
               "File acollect, line 105:" NL "Collection is full"}),
    [](const ::testing::TestParamInfo<Misuse>& info) { return info.param.name; });
