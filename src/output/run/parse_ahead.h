// Parse ahead: a run's parsers on other cores. The parsers are most of the work of a record
// that takes parsed sources, and a record's parse depends on its parser values alone, so each
// worker thread reads the input on its own (its own reader over a copy of the input tables)
// and cuts and parses every W-th record into a ring of slots. The run takes the parses in order and
// hands each to its build, which takes it only when it was made of the same values with the
// same steps: whatever a worker saw differently, the output stays that of a run without them.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "input/readers/record_reader.h"
#include "output/record_builder.h"
#include "output/record_parse.h"

namespace vt {

struct RunPlan;

// Whether the open input is a regular file that a worker can open and read again on its own (a
// pipe read twice would lose the run records, and opening a FIFO can wait for ever).
[[nodiscard]] bool Rereadable(const InputTables& in);

// How many workers a run may start on the cores this process may use: none on one.
[[nodiscard]] int ParseAheadWorkers();

class ParseAhead {
 public:
  struct Setup {
    const RunPlan* plan = nullptr;
    const BuildRequest* request = nullptr;  // the options the workers parse with
    const WordLists* lists = nullptr;
    ParseSteps steps;
    SpecialSources table{};
    std::int64_t first = 0;  // the first record (counted from 0 as read) to parse
  };
  // Copies of the input tables, taken before the run's first read: one per worker to start.
  using TableCopies = std::vector<std::unique_ptr<InputTables>>;

  // Null when a worker's input cannot be opened or a thread cannot start.
  [[nodiscard]] static std::unique_ptr<ParseAhead> Start(const Setup& setup, TableCopies copies);
  ~ParseAhead();
  ParseAhead(const ParseAhead&) = delete;
  ParseAhead& operator=(const ParseAhead&) = delete;

  // The parse of record k (k >= first, in order), once made; null when no worker will make it.
  [[nodiscard]] const ParsedRecord* Wait(std::int64_t k);
  // Record k is built: its slot may take a later record.
  void Release(std::int64_t k);
  // Whether the last `records` records, built in `elapsed_ns`, went faster than the run alone
  // would have made them (its own time, less its waits, plus the workers' parse time). A run
  // whose records are mostly reading gains nothing from workers that read everything again.
  [[nodiscard]] bool Worthwhile(std::int64_t elapsed_ns, std::int64_t records);
  // Whether the request's options and the lists are still those the workers parse with.
  [[nodiscard]] bool Current(const BuildRequest& request, const WordLists& lists) const;

 private:
  struct Slot;
  struct Worker;
  // What the workers parse with: the run's lists and options as they were at the start.
  struct Snapshot;

  explicit ParseAhead(const Setup& setup);
  void Run(Worker& worker);
  bool WaitForSlot(std::int64_t k);
  void WakeRun();

  std::unique_ptr<Snapshot> snapshot_;
  std::vector<Slot> slots_;
  std::vector<std::unique_ptr<Worker>> workers_;
  std::atomic<std::int64_t> released_{0};  // records the run is done with, from 0
  // The run's side of Worthwhile: its waits since the last check, and the workers' totals then.
  std::int64_t waited_ns_ = 0;
  std::int64_t checked_parse_ns_ = 0;
  std::int64_t checked_parsed_ = 0;
  std::atomic<bool> stop_{false};
  // The run asleep in Wait: the record it waits for (-1: awake), and how a worker wakes it.
  std::atomic<std::int64_t> sleeping_for_{-1};
  std::mutex wake_;
  std::condition_variable woken_;
  std::atomic<bool> failed_{false};
};

}  // namespace vt
