// The naming function keeps no state: calls on many threads at once give the
// answers a single thread gives.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "cp1251_text.h"
#include "zornatts/zornatts_a.h"

namespace {

struct Question {
  std::string text;  // code page 1251
  int position;
  int ukrainian;
};

struct Reply {
  int value;
  std::string answer;
  bool operator==(const Reply &other) const { return value == other.value && answer == other.answer; }
};

Reply AskOnce(const Question &q) {
  char out[350];
  out[0] = '\0';
  const int value = Zorna_GetPhonemesChain(q.text.c_str(), q.position, q.ukrainian, out, sizeof out);
  return {value, out};
}

TEST(PhonemesChainThreads, ConcurrentCallsMatchSingleThreadedAnswers) {
  const char *words[] = {"приве+т, ми+р.", "стра+шно", "ба+тя", "спа+сибо", "ска+ть", "шина",
                         "цирк", "кши", "зде+сь.", "вдру+г", "мя+нни", "ла+.", "о+ой", "иа+",
                         "взгля+д", "нима", "кольцо+", "акция", "с'е"};
  std::vector<Question> questions;
  for (const char *word : words) {
    const std::string text = zorna::naming_test::ToCp1251(word);
    for (int position = 0; position <= static_cast<int>(text.size()) + 1; ++position) {
      for (const int ukrainian : {0, 1}) questions.push_back({text, position, ukrainian});
    }
  }
  std::vector<Reply> expected;
  for (const Question &q : questions) expected.push_back(AskOnce(q));

  constexpr int kThreads = 8;
  constexpr int kRounds = 200;
  std::vector<std::vector<int>> mismatches(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      // Each thread walks the questions from a different starting point, so
      // that different texts are in flight at the same moment.
      const std::size_t n = questions.size();
      for (int round = 0; round < kRounds; ++round) {
        for (std::size_t k = 0; k < n; ++k) {
          const std::size_t i = (k + static_cast<std::size_t>(t) * n / kThreads) % n;
          if (!(AskOnce(questions[i]) == expected[i])) mismatches[t].push_back(static_cast<int>(i));
        }
      }
    });
  }
  for (auto &thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) {
    EXPECT_TRUE(mismatches[t].empty()) << "thread " << t << " first differing question "
                                       << (mismatches[t].empty() ? -1 : mismatches[t][0]);
  }
}

}  // namespace
