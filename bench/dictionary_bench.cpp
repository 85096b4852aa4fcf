// Speed of the first-name gender lookup on names as they come out of a name parser.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <vector>

#include "dictionary/first_name_lookup.h"

namespace {

// Proper-case first names from a mailing list, accented ones included: all in the table.
const std::vector<std::string> kHits = {
    "John",      "Mary",        "Robert",       "Patricia",  "Michael",   "Linda",
    "William",   "Elizabeth",   "David",        "Barbara",   "Richard",   "Susan",
    "Joseph",    "Jessica",     "Thomas",       "Sarah",     "Charles",   "Karen",
    "Jean-Paul", "Fran\xE7ois", "H\xE9l\xE8ne", "Ren\xE9",   "J\xFCrgen", "Al",
    "Jo",        "Zoltan",      "Madeleine",    "Genevieve", "Max",       "Chlo\xE9",
};

// Words that reach the lookup but are no first names: surnames, initials, nicknames, long words.
const std::vector<std::string> kMisses = {
    "Smith", "Jones",  "Kim",       "Lee",          "Chris",  "Pat",        "Jamie",
    "Noel",  "J",      "Emile",     "Marie-Claude", "Soren",  "Vanderberg", "Christopherson-Smythe",
    "Jorg",  "O'Neil", "Brown-Lee", "Xu",           "Nguyen", "Anne-Marie",
};

void RunLookups(benchmark::State& state, const std::vector<std::string>& names) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vt::GenderOfFirstName(names[i]));
    if (++i == names.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

// The mix a mailing list gives: about three words in five are first names.
void BM_Dictionary_GenderOfFirstName(benchmark::State& state) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < kHits.size(); ++i) {
    names.push_back(kHits[i]);
    if (i % 3 != 2) names.push_back(kMisses[i % kMisses.size()]);
  }
  RunLookups(state, names);
}
BENCHMARK(BM_Dictionary_GenderOfFirstName);

void BM_Dictionary_GenderOfFirstNameHits(benchmark::State& state) {
  RunLookups(state, kHits);
}
BENCHMARK(BM_Dictionary_GenderOfFirstNameHits);

void BM_Dictionary_GenderOfFirstNameMisses(benchmark::State& state) {
  RunLookups(state, kMisses);
}
BENCHMARK(BM_Dictionary_GenderOfFirstNameMisses);

}  // namespace
