// Parse ahead: the workers, their ring of slots and the run's side of it.
#include "output/run/parse_ahead.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <system_error>

#if defined(__linux__)
#include <sched.h>
#endif

#include "input/readers/readers.h"
#include "output/run/conversion.h"

namespace vt {

namespace {

// Records in flight between the workers and the run: enough for a worker to sleep a while
// without the run running dry, few enough to stay in the caches.
constexpr std::int64_t kSlots = 256;
constexpr int kMaxWorkers = 3;

using Clock = std::chrono::steady_clock;

std::int64_t NanosecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count();
}

// A worker waiting for a free slot: spins first (the run frees one every few microseconds),
// then sleeps, since the ring holds enough records to keep the run busy meanwhile.
void PauseWorker(int& round) {
  if (round < 64) {
    ++round;
  } else if (round < 128) {
    ++round;
    std::this_thread::yield();
  } else {
    std::this_thread::sleep_for(std::chrono::microseconds(20));
  }
}

template <class T>
bool SameBytes(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// The cores this process may run on (its affinity mask, where the system tells it).
int UsableCores() {
#if defined(__linux__)
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof(set), &set) == 0) return CPU_COUNT(&set);
#endif
  return static_cast<int>(std::thread::hardware_concurrency());
}

// The part of a gender list that lookups read: the names up to the first empty one (and it),
// their genders, and the search index.
struct GenderExtent {
  std::size_t names = 0;
  std::size_t indexed = 0;
};

GenderExtent ExtentOf(const GenderList& list) {
  GenderExtent e;
  while (e.names < std::size_t{GenderList::kCapacity} && list.GenderListNames[e.names][0] != '\0')
    ++e.names;
  e.indexed = static_cast<std::size_t>(std::clamp<std::int32_t>(
      list.IndexedCount, 0, static_cast<std::int32_t>(GenderList::kCapacity)));
  e.names = std::max(e.names, e.indexed);
  return e;
}

// Whether `now` reads as `kept` does: compared over kept's extent only, since the whole list is
// 200 KB and the run compares at every progress point.
bool SameGenders(const GenderList& kept, const GenderExtent& e, const GenderList& now) {
  const std::size_t names = std::min<std::size_t>(e.names + 1, GenderList::kCapacity + 1);
  return kept.IndexedCount == now.IndexedCount &&
         std::memcmp(kept.GenderListNames.data(), now.GenderListNames.data(),
                     names * sizeof(kept.GenderListNames[0])) == 0 &&
         std::memcmp(kept.GenderListValues.data(), now.GenderListValues.data(),
                     names * sizeof(kept.GenderListValues[0])) == 0 &&
         std::memcmp(kept.SortedEntries.data(), now.SortedEntries.data(),
                     e.indexed * sizeof(kept.SortedEntries[0])) == 0;
}

}  // namespace

bool Rereadable(const InputTables& in) {
  const bool text = in.InputTextStream.IsOpen();
  const bool data = in.InputDataFile.IsOpen();
  return (text || data) && (!text || IsRegularFile(in.InputTextStream.Path())) &&
         (!data || IsRegularFile(in.InputDataFile.Path()));
}

int ParseAheadWorkers() {
#if defined(VONTRASK_FUZZ_BUILD)
  // Under coverage instrumentation every branch bumps a counter all threads share, so workers
  // running the run's own code make an execution many times slower (a page input took 100 s
  // instead of 12). A fuzz target that wants workers asks for them through the plan.
  return 0;
#endif
  // Measured: on two cores two workers still beat none (the run mostly waits on them); from
  // three on, a worker per spare core, up to where the run itself becomes the slow part.
  const int cores = UsableCores();
  if (cores < 2) return 0;
  if (cores == 2) return 2;
  return std::min(cores - 1, kMaxWorkers);
}

struct ParseAhead::Slot {
  std::atomic<std::int64_t> ready{-1};  // the record whose parse the slot holds
  ParsedRecord record;
};

// Aligned so that one worker's counters never share a cache line with another's.
struct alignas(64) ParseAhead::Worker {
  int index = 0;
  // The time this worker spent parsing, and the records it parsed, for Worthwhile.
  std::atomic<std::int64_t> parse_ns{0};
  std::atomic<std::int64_t> parsed{0};
  std::unique_ptr<InputTables> in;
  std::unique_ptr<RecordReader> reader;
  RecordParse parse;
  std::atomic<bool> ended{false};
  std::thread thread;
};

struct ParseAhead::Snapshot {
  ParseSteps steps;
  SpecialSources table{};
  std::int64_t first = 0;
  bool xml_translate = false;
  WordLists lists;
  std::unique_ptr<GenderList> genders;  // null: none
  GenderExtent gender_extent;
  PersonNameOptions name_options;
  StreetAddressOrder street_order;
  // The texts the options view.
  std::string male_title, female_title, joint_title, default_title, default_suite;
  ParseSetup setup;

  explicit Snapshot(const ParseAhead::Setup& s) {
    const BuildRequest& r = *s.request;
    steps = s.steps;
    table = s.table;
    first = s.first;
    xml_translate = r.xml_translate;
    std::memcpy(&lists, s.lists, sizeof(WordLists));
    if (r.genders != nullptr) {
      genders = std::make_unique<GenderList>();
      std::memcpy(genders.get(), r.genders, sizeof(GenderList));
      gender_extent = ExtentOf(*genders);
    }
    name_options = r.name_options;
    male_title = r.name_options.male_title;
    female_title = r.name_options.female_title;
    joint_title = r.name_options.joint_title;
    default_title = r.name_options.default_title;
    name_options.male_title = male_title;
    name_options.female_title = female_title;
    name_options.joint_title = joint_title;
    name_options.default_title = default_title;
    street_order = r.street_order;
    default_suite = r.street_order.default_suite;
    street_order.default_suite = default_suite;
    setup.lists = &lists;
    setup.genders = genders.get();
    setup.name_options = &name_options;
    setup.street_order = &street_order;
    setup.city_in_street = r.city_in_street;
    setup.gender_from_title = r.gender_from_title;
  }

  bool Current(const BuildRequest& r, const WordLists& now) const {
    const PersonNameOptions& n = r.name_options;
    const bool same_genders =
        r.genders == nullptr
            ? genders == nullptr
            : genders != nullptr && SameGenders(*genders, gender_extent, *r.genders);
    return same_genders && SameBytes(lists, now) && r.xml_translate == xml_translate &&
           r.city_in_street == setup.city_in_street &&
           r.gender_from_title == setup.gender_from_title && n.incoming == name_options.incoming &&
           n.standard == name_options.standard && n.guess_title == name_options.guess_title &&
           n.male_title == male_title && n.female_title == female_title &&
           n.joint_title == joint_title && n.default_title == default_title &&
           r.street_order.positions == street_order.positions &&
           r.street_order.use_default_suite == street_order.use_default_suite &&
           r.street_order.default_suite == default_suite;
  }
};

ParseAhead::ParseAhead(const Setup& setup)
    : snapshot_(std::make_unique<Snapshot>(setup)), slots_(kSlots), released_(setup.first) {}

std::unique_ptr<ParseAhead> ParseAhead::Start(const Setup& setup, TableCopies copies) {
  if (copies.empty()) return nullptr;
  std::unique_ptr<ParseAhead> ahead(new ParseAhead(setup));
  const auto count = static_cast<int>(copies.size());
  for (int w = 0; w < count; ++w) {
    auto worker = std::make_unique<Worker>();
    worker->index = w;
    worker->in = std::move(copies[static_cast<std::size_t>(w)]);
    worker->reader = ReaderFor(setup.plan->input).make(setup.plan->reader);
    ahead->workers_.push_back(std::move(worker));
  }
  for (auto& worker : ahead->workers_) {
    try {
      worker->thread = std::thread([raw = ahead.get(), w = worker.get()] { raw->Run(*w); });
    } catch (const std::system_error&) {
      return nullptr;  // the destructor stops the ones that started
    }
  }
  return ahead;
}

ParseAhead::~ParseAhead() {
  stop_.store(true, std::memory_order_release);
  for (auto& worker : workers_) {
    if (worker->thread.joinable()) worker->thread.join();
  }
}

bool ParseAhead::WaitForSlot(std::int64_t k) {
  int round = 0;
  while (k - released_.load(std::memory_order_acquire) >= kSlots) {
    if (stop_.load(std::memory_order_acquire)) return false;
    PauseWorker(round);
  }
  return !stop_.load(std::memory_order_acquire);
}

// The run's reading, as Engine::Run does it, with the cut and parse of this worker's records.
void ParseAhead::Run(Worker& worker) {
  const Snapshot& s = *snapshot_;
  const auto workers = static_cast<std::int64_t>(workers_.size());
  std::int64_t k = 0;  // records read
  try {
    InputTables& in = *worker.in;
    RecordReader& reader = *worker.reader;
    reader.Rewind(in);
    in.RecordNumber = 1;
    in.PagesRead = 0;
    in.InputLine.clear();
    in.BinaryRecordCopy.clear();
    in.InputLine.reserve(InputTables::kLineLimit + 1);
    std::int64_t count_rest = in.CutCountRest();
    in.CutIntoViews = true;
    in.InputRecordCut();
    bool have = reader.Read(in);
    if (have && reader.SkipsNamesRecord()) have = reader.Read(in);
    for (; have && !stop_.load(std::memory_order_relaxed); ++k) {
      // Only this worker's records are cut: a read never depends on the cut before it, and
      // the cut is most of the reading.
      if (k >= s.first && k % workers == worker.index) {
        reader.Cut(in);
        if (reader.CutChangesOtherCounts()) count_rest = in.CutCountRest();
        in.InputFieldTotal = in.CountedFields(count_rest + in.InputFieldCounts[0]);
        if (!WaitForSlot(k)) break;
        if (s.xml_translate) DecodeInputValues(in);
        const auto start = Clock::now();
        const ParseValues values = GatherParseValues(in, s.table);
        ParseRecord(s.setup, s.steps, values, worker.parse);
        worker.parse_ns.fetch_add(NanosecondsSince(start), std::memory_order_relaxed);
        worker.parsed.fetch_add(1, std::memory_order_relaxed);
        Slot& slot = slots_[static_cast<std::size_t>(k % kSlots)];
        slot.record.Take(s.steps, values, worker.parse);
        slot.ready.store(k, std::memory_order_seq_cst);
        if (sleeping_for_.load(std::memory_order_seq_cst) == k) WakeRun();
      }
      in.InputLine.clear();
      have = reader.Read(in);
    }
  } catch (...) {
    failed_.store(true, std::memory_order_release);
  }
  worker.ended.store(true, std::memory_order_seq_cst);
  WakeRun();
}

const ParsedRecord* ParseAhead::Wait(std::int64_t k) {
  const Slot& slot = slots_[static_cast<std::size_t>(k % kSlots)];
  const Worker& worker = *workers_[static_cast<std::size_t>(k % std::ssize(workers_))];
  if (slot.ready.load(std::memory_order_acquire) == k) return &slot.record;
  const auto start = Clock::now();
  // Ready, or never to be: the worker failed or ended (it may have filled the slot first).
  auto settled = [&] {
    return slot.ready.load(std::memory_order_seq_cst) == k ||
           failed_.load(std::memory_order_seq_cst) || worker.ended.load(std::memory_order_seq_cst);
  };
  // Spins a moment (the parse is usually microseconds away) and yields a few times (to a worker
  // sharing the core), then sleeps until the worker fills the slot or ends: a run that spun or
  // yielded on would take the core a worker needs wherever the workers outnumber the cores.
  for (int round = 0; round < 76 && !settled(); ++round) {
    if (round >= 64) std::this_thread::yield();
  }
  if (!settled()) {
    std::unique_lock lock(wake_);
    sleeping_for_.store(k, std::memory_order_seq_cst);
    // The timeout only bounds the cost of a wake-up that never comes.
    while (!settled()) woken_.wait_for(lock, std::chrono::milliseconds(10));
    sleeping_for_.store(-1, std::memory_order_seq_cst);
  }
  waited_ns_ += NanosecondsSince(start);
  return slot.ready.load(std::memory_order_acquire) == k ? &slot.record : nullptr;
}

void ParseAhead::WakeRun() {
  const std::lock_guard lock(wake_);
  woken_.notify_one();
}

bool ParseAhead::Worthwhile(std::int64_t elapsed_ns, std::int64_t records) {
  std::int64_t parse_ns = 0;
  std::int64_t parsed = 0;
  for (const auto& worker : workers_) {
    parse_ns += worker->parse_ns.load(std::memory_order_relaxed);
    parsed += worker->parsed.load(std::memory_order_relaxed);
  }
  const std::int64_t window_parse_ns = parse_ns - checked_parse_ns_;
  const std::int64_t window_parsed = parsed - checked_parsed_;
  const std::int64_t waited = waited_ns_;
  checked_parse_ns_ = parse_ns;
  checked_parsed_ = parsed;
  waited_ns_ = 0;
  if (window_parsed <= 0) return false;
  // Alone, the run would have spent its own time (less the waits) and the parses' time.
  const double alone = static_cast<double>(elapsed_ns - waited) +
                       static_cast<double>(records) * static_cast<double>(window_parse_ns) /
                           static_cast<double>(window_parsed);
  return static_cast<double>(elapsed_ns) < alone;
}

void ParseAhead::Release(std::int64_t k) {
  released_.store(k + 1, std::memory_order_release);
}

bool ParseAhead::Current(const BuildRequest& request, const WordLists& lists) const {
  return snapshot_->Current(request, lists);
}

}  // namespace vt
