#include "accent_dictionary.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "cp1251.h"
#include "platform/platform.h"
#include "tables/prefixes.h"

namespace zorna {

namespace {

// ------------------------------------------------------------- file layout
//
// Record n occupies bytes n * 25 .. n * 25 + 24: a length byte, then up to 24
// characters. Record 2k - 1 is the stressed form of the key in record 2k (k >= 1).
// A length byte above 24 is read as 24; a short record at the end is not read.

constexpr std::size_t kRecordSize = 25;
constexpr std::size_t kMaxText = 24;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);
// The start of a letter group that has no key (and the scan then starts at
// record 1, a stressed form).
constexpr std::size_t kNoKey = 1;
// A run of same-parity records with one first character in non-decreasing key
// order is searched by bisection when it holds at least this many records.
constexpr std::size_t kMinSortedRun = 8;

std::string Cut(std::string text) {
    if (text.size() > kMaxText) text.resize(kMaxText);
    return text;
}

// Code-point order of texts in code page 1251 (bytes compared unsigned; a text
// sorts before its own extensions).
int Compare(std::string_view a, std::string_view b) {
    std::size_t common = std::min(a.size(), b.size());
    int c = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
    if (c != 0) return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

// ------------------------------------------------------------- letter groups
//
// One entry per group: the beginnings of its words, separated by spaces. A
// longer beginning takes its words from a shorter one: "б" holds the words of б
// that do not begin with "ба", "бе" or "бо". A word's missing characters count
// as code 0; a key's first three characters are bytes 1 to 3 of its record.
const char *const kGroups[] = {
    "а", "е", "ё", "ж", "й", "л", "ф", "х", "ц", "ч", "ш", "щ", "ъ", "ы", "ь", "э", "ю", "я",
    "і", "ї", "є", "ґ",
    "ба", "бе", "бо", "б",
    "ве", "во", "вы", "в",
    "го", "г",
    "де", "до", "д",
    "за", "з",
    "ис", "и",
    "ка", "ко", "кр", "к",
    "ма", "ме", "мо", "м",
    "на", "не", "н",
    "об", "оп", "ос", "от", "о",
    "па", "пе", "под", "по", "про", "при", "пр", "п",
    "ра", "ре", "р",
    "св", "ск", "сл", "со", "сп", "ст", "с",
    "тр", "т",
    "ус", "у",
    "I", "V", "X", "L",
    "a b e f g h",
    "i j k l m n o p",
    "c d q r s t u v w x y z",
};
constexpr int kGroupCount = static_cast<int>(sizeof(kGroups) / sizeof(kGroups[0]));
static_assert(kGroupCount == 84, "84 letter groups");

class GroupTable {
public:
    GroupTable() {
        byTwo_.fill(-1);
        needThird_.fill(false);
        std::vector<std::pair<std::string, int>> patterns;
        for (int g = 0; g < kGroupCount; ++g) {
            std::string_view entry = kGroups[g];
            while (!entry.empty()) {
                std::size_t space = entry.find(' ');
                patterns.emplace_back(Cp(entry.substr(0, space)), g);
                entry = space == std::string_view::npos ? std::string_view()
                                                        : entry.substr(space + 1);
            }
        }
        // Shorter beginnings first, so that longer ones overwrite them.
        std::stable_sort(patterns.begin(), patterns.end(), [](const auto &a, const auto &b) {
            return a.first.size() < b.first.size();
        });
        for (const auto &[pattern, group] : patterns) {
            auto c1 = static_cast<std::uint8_t>(pattern[0]);
            if (pattern.size() == 1) {
                for (int c2 = 0; c2 < 256; ++c2) byTwo_[c1 * 256 + c2] = static_cast<std::int8_t>(group);
            } else {
                auto c2 = static_cast<std::uint8_t>(pattern[1]);
                if (pattern.size() == 2) {
                    byTwo_[c1 * 256 + c2] = static_cast<std::int8_t>(group);
                } else {
                    needThird_[c1 * 256 + c2] = true;
                    third_.push_back({c1, c2, static_cast<std::uint8_t>(pattern[2]), group});
                }
            }
        }
        softSign_ = byTwo_[static_cast<std::uint8_t>(Cp("ь")[0]) * 256];
    }

    // The group of a beginning, or -1.
    int Of(std::uint8_t c1, std::uint8_t c2, std::uint8_t c3) const {
        std::size_t index = c1 * 256u + c2;
        if (needThird_[index]) {
            for (const Third &t : third_)
                if (t.c1 == c1 && t.c2 == c2 && t.c3 == c3) return t.group;
        }
        return byTwo_[index];
    }

    int SoftSign() const { return softSign_; }

private:
    struct Third {
        std::uint8_t c1, c2, c3;
        int group;
    };
    std::array<std::int8_t, 65536> byTwo_{};
    std::array<bool, 65536> needThird_{};
    std::vector<Third> third_;
    int softSign_ = -1;
};

const GroupTable &Groups() {
    static const GroupTable table;
    return table;
}

// Ukrainian: a stress mark stands only after one of these vowels.
bool IsStressableVowel(char c) {
    static const std::string vowels = Cp("аоэяиюуеіїєёы");
    return vowels.find(c) != std::string::npos;
}

}  // namespace

// ------------------------------------------------------------- dictionary

struct TAccentDictionary::Impl {
    // Records n, n + 2, ..., end - 2 (one parity) with the same first character,
    // each key no less than the one before it.
    struct SortedRun {
        std::size_t start;
        std::size_t end;
        std::uint8_t first;
    };

    // Where a scan found something (record numbers of keys), kNone if not.
    struct Found {
        std::size_t exact = kNone;
        std::size_t near1 = kNone;
        std::size_t near2 = kNone;
    };

    // What a scan looks for.
    struct Query {
        std::string_view word;
        std::string_view stem1;  // word without its last character (words over 4)
        std::string_view stem2;  // word without its last two characters
        bool nearMatches;
    };

    std::string fileName;
    platform::MappedFile file;
    const std::uint8_t *data = nullptr;
    std::size_t records = 0;
    std::array<std::size_t, kGroupCount> groupStart{};
    std::size_t softSignStart = kNoKey;
    std::array<std::vector<SortedRun>, 2> runs;  // by parity of the record number

    const std::uint8_t *Record(std::size_t n) const { return data + n * kRecordSize; }
    std::uint8_t First(std::size_t n) const { return Record(n)[1]; }
    std::string_view Text(std::size_t n) const {
        const std::uint8_t *r = Record(n);
        return {reinterpret_cast<const char *>(r + 1), std::min<std::size_t>(r[0], kMaxText)};
    }

    void Index();
    std::string Lookup(const std::string &word) const;
    bool CheckRecord(std::size_t n, const Query &q, Found &found) const;
    bool SearchSortedRun(std::size_t begin, std::size_t end, const Query &q, Found &found) const;
    std::size_t FirstKeyOfLength(std::size_t begin, std::size_t end, std::string_view prefix,
                                 std::size_t length) const;
};

// One pass over the file: the first key of each letter group, and the sorted
// runs of both parities (keys, and stressed forms for scans from record 1).
void TAccentDictionary::Impl::Index() {
    records = data == nullptr ? 0 : file.Size() / kRecordSize;
    const GroupTable &groups = Groups();
    std::array<std::size_t, 2> runStart = {2, 1};
    auto close = [&](std::size_t parity, std::size_t end) {
        std::size_t start = runStart[parity];
        if ((end - start) / 2 >= kMinSortedRun) runs[parity].push_back({start, end, First(start)});
        runStart[parity] = end;
    };
    for (std::size_t n = 1; n < records; ++n) {
        const std::uint8_t *r = Record(n);
        const std::size_t parity = n & 1;
        if (parity == 0) {
            int g = groups.Of(r[1], r[2], r[3]);
            if (g >= 0 && groupStart[g] == kNoKey) groupStart[g] = n;
        }
        if (n >= 3 + (1 - parity) &&
            (r[1] != First(n - 2) || Compare(Text(n - 2), Text(n)) > 0))
            close(parity, n);
    }
    // Each parity's last run ends after its last record.
    for (std::size_t parity = 0; parity < 2; ++parity) {
        std::size_t start = runStart[parity];
        if (start < records) close(parity, start + (records - start + 1) / 2 * 2);
    }
    softSignStart = groupStart[groups.SoftSign()];
}

// The plain scan's steps 3 to 5 for one record whose first character is the
// word's. Returns true on an exact match.
bool TAccentDictionary::Impl::CheckRecord(std::size_t n, const Query &q, Found &found) const {
    std::string_view key = Text(n);
    if (q.nearMatches && key.size() == q.word.size()) {
        if (found.near1 == kNone && StartsWith(key, q.stem1)) found.near1 = n;
        if (found.near1 == kNone && found.near2 == kNone && StartsWith(key, q.stem2))
            found.near2 = n;
    }
    if (key == q.word) {
        found.exact = n;
        return true;
    }
    return false;
}

// The first key (lowest record number) of the sorted run [begin, end) that has
// the given length and begins with `prefix` (shorter than `length`), or kNone.
// Keys with the prefix stand together; within them the search jumps over every
// key too short and over every block of keys sharing a too-long beginning.
std::size_t TAccentDictionary::Impl::FirstKeyOfLength(std::size_t begin, std::size_t end,
                                                      std::string_view prefix,
                                                      std::size_t length) const {
    std::size_t count = (end - begin) / 2;
    auto key = [&](std::size_t i) { return Text(begin + 2 * i); };
    // First index in [lo, count) where `before` is false (`before` is monotone).
    auto partition = [&](std::size_t lo, auto before) {
        std::size_t hi = count;
        while (lo < hi) {
            std::size_t mid = lo + (hi - lo) / 2;
            if (before(key(mid))) lo = mid + 1;
            else hi = mid;
        }
        return lo;
    };
    std::size_t i = partition(0, [&](std::string_view k) { return Compare(k, prefix) < 0; });
    while (i < count) {
        std::string_view k = key(i);
        if (!StartsWith(k, prefix)) return kNone;
        if (k.size() == length) return begin + 2 * i;
        if (k.size() < length) {
            // Past every copy of this short key.
            i = partition(i, [&](std::string_view x) { return Compare(x, k) <= 0; });
        } else {
            // Past every key beginning with k's first `length` characters: the key
            // of exactly those characters would have come before k.
            std::string_view head = k.substr(0, length);
            i = partition(i, [&](std::string_view x) {
                return Compare(x.substr(0, std::min(x.size(), length)), head) <= 0;
            });
        }
    }
    return kNone;
}

// Steps 3 to 5 of the plain scan over a sorted run whose keys all begin with the
// word's first character. Returns true on an exact match.
bool TAccentDictionary::Impl::SearchSortedRun(std::size_t begin, std::size_t end, const Query &q,
                                              Found &found) const {
    std::size_t count = (end - begin) / 2;
    std::size_t lo = 0, hi = count;
    while (lo < hi) {
        std::size_t mid = lo + (hi - lo) / 2;
        if (Compare(Text(begin + 2 * mid), q.word) < 0) lo = mid + 1;
        else hi = mid;
    }
    if (lo < count && Text(begin + 2 * lo) == q.word) {
        found.exact = begin + 2 * lo;
        return true;
    }
    if (!q.nearMatches) return false;
    std::size_t length = q.word.size();
    if (found.near1 == kNone) found.near1 = FirstKeyOfLength(begin, end, q.stem1, length);
    // A second-kind match counts only while no first-kind match has been seen;
    // one of the first kind, earlier or later, wins over it.
    if (found.near1 == kNone && found.near2 == kNone)
        found.near2 = FirstKeyOfLength(begin, end, q.stem2, length);
    return false;
}

std::string TAccentDictionary::Impl::Lookup(const std::string &word) const {
    // No key is longer than 24 characters, and a near match has the word's length.
    if (word.empty() || word.size() > kMaxText) return word;
    const std::size_t length = word.size();
    const auto w0 = static_cast<std::uint8_t>(word[0]);
    Query q;
    q.word = word;
    q.nearMatches = length > 4;
    if (q.nearMatches) {
        q.stem1 = q.word.substr(0, length - 1);
        q.stem2 = q.word.substr(0, length - 2);
    }

    auto at = [&](std::size_t i) -> std::uint8_t {
        return i < length ? static_cast<std::uint8_t>(word[i]) : std::uint8_t{0};
    };
    int group = Groups().Of(at(0), at(1), at(2));
    std::size_t n = group >= 0 ? groupStart[group] : 2;

    // The scan: records n, n + 2, ... until the end of the file or the first record
    // whose first character is not the word's and whose number is above the start
    // of the group "ь". Only records beginning with the word's character can match.
    Found found;
    const std::vector<SortedRun> &sorted = runs[n & 1];
    auto run = std::upper_bound(sorted.begin(), sorted.end(), n,
                                [](std::size_t x, const SortedRun &r) { return x < r.end; });
    while (n < records) {
        if (run != sorted.end() && run->start <= n) {
            if (run->first != w0) {
                if (run->end - 2 > softSignStart) break;  // the scan stops inside this run
            } else if (SearchSortedRun(n, run->end, q, found)) {
                break;
            }
            n = run->end;
            ++run;
            continue;
        }
        if (First(n) != w0) {
            if (n > softSignStart) break;
        } else if (CheckRecord(n, q, found)) {
            break;
        }
        n += 2;
    }

    if (found.exact != kNone) return std::string(Text(found.exact - 1));
    if (found.near1 != kNone) {
        std::string_view s = Text(found.near1 - 1);
        std::size_t m = s.size();
        std::string result;
        if (m > 0 && s[m - 1] == '+') {
            result.assign(s.substr(0, m >= 2 ? m - 2 : 0));
            result += word[length - 1];
            result += '+';
        } else {
            result.assign(s.substr(0, m >= 1 ? m - 1 : 0));
            result += word[length - 1];
        }
        return Cut(std::move(result));
    }
    if (found.near2 != kNone) {
        std::string_view s = Text(found.near2 - 1);
        std::size_t m = s.size();
        bool markLast = m >= 1 && s[m - 1] == '+';
        bool markBeforeLast = m >= 2 && s[m - 2] == '+';
        std::string result;
        if (!markLast && !markBeforeLast) {
            result.assign(s.substr(0, m >= 2 ? m - 2 : 0));
            result += word.substr(length - 2);
        } else if (markLast) {
            result.assign(s.substr(0, m >= 3 ? m - 3 : 0));
            result += word.substr(length - 2);
            result += '+';
        } else {
            result.assign(s.substr(0, m >= 3 ? m - 3 : 0));
            result += word[length - 2];
            result += '+';
            result += word[length - 1];
        }
        return Cut(std::move(result));
    }
    return word;
}

TAccentDictionary::TAccentDictionary(const std::string &fileName) : impl_(std::make_unique<Impl>()) {
    impl_->groupStart.fill(kNoKey);
    impl_->fileName = fileName;
    if (impl_->file.Open(fileName) != platform::MappedFile::OpenResult::Ok)
        throw std::runtime_error("Unable to open file");
    impl_->data = impl_->file.Data();
    impl_->Index();
}

TAccentDictionary::~TAccentDictionary() = default;

const std::string &TAccentDictionary::FileName() const { return impl_->fileName; }

std::string TAccentDictionary::Lookup(const std::string &word) const { return impl_->Lookup(word); }

std::string TAccentDictionary::Accentuate(std::int32_t isUkrainian, const std::string &word) const {
    const std::string result = Lookup(word);
    std::string s = Cut(result);
    if (s != word) return result;  // stressed or changed, or a word over 24 characters

    const bool ukrainian = isUkrainian == 1;
    const std::vector<PrefixLength> &lists = ukrainian ? UkrainianPrefixes() : RussianPrefixes();
    const std::size_t n = word.size();
    for (const PrefixLength &list : lists) {
        const auto k = static_cast<std::size_t>(list.length);
        // At least three letters must remain after the prefix.
        if (n <= static_cast<std::size_t>(list.wordLongerThan) || n < k) continue;
        // Once a rest has been stressed, the text from the k-th character on no
        // longer matches the word, and longer prefixes are not tried.
        if (k >= 2) {
            std::string_view tail(s);
            tail = tail.substr(std::min(k - 1, tail.size()), n - k + 1);
            if (tail != std::string_view(word).substr(k - 1, n - k + 1)) continue;
        }
        std::string_view head = std::string_view(word).substr(0, k);
        for (const Prefix &prefix : list.prefixes) {
            if (prefix.written == head) {
                s = Cut(prefix.spoken + Lookup(word.substr(k)));
                break;
            }
        }
    }
    if (!ukrainian) return s;

    // Ukrainian: a stress mark after anything but a vowel is dropped.
    std::string filtered;
    filtered.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '+' && (i == 0 || !IsStressableVowel(s[i - 1]))) continue;
        filtered += s[i];
    }
    return filtered;
}

}  // namespace zorna
