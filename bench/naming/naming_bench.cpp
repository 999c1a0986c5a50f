// Zorna_GetPhonemesChain over every position of a few hundred phonetic words,
// the way the speaking loop calls it. Reported per call.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "zornatts/zornatts_a.h"

namespace {

// UTF-8 to code page 1251 for the phonetic alphabet (а–я, ё, і, ї, ASCII).
std::string ToCp1251(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b0 = static_cast<unsigned char>(utf8[i]);
    if (b0 < 0x80) {
      out.push_back(static_cast<char>(b0));
      ++i;
      continue;
    }
    const char32_t cp = (static_cast<char32_t>(b0 & 0x1F) << 6) |
                        (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
    i += 2;
    unsigned byte = '?';
    if (cp >= 0x0430 && cp <= 0x044F) byte = 0xE0 + static_cast<unsigned>(cp - 0x0430);
    else if (cp == 0x0451) byte = 0xB8;
    else if (cp == 0x0456) byte = 0xB3;
    else if (cp == 0x0457) byte = 0xBF;
    out.push_back(static_cast<char>(byte));
  }
  return out;
}

const char *const kWords[] = {
    "приве+т, ", "ми+р. ", "стра+шно ", "вдру+г ", "зде+сь. ", "спа+сибо ", "ска+зка ",
    "ба+тя ", "мо+ре ", "ка+к ", "бра+ть ", "взгля+д ", "торт ", "здра+вствуйте ", "пожа+луйста ",
    "хорошо+ ", "сего+дня ", "за+втра ", "вчера+ ", "во+семь ", "де+сять ", "пе+рвый ",
    "второ+й ", "тре+тий ", "челове+к ", "ребё+нок ", "же+нщина ", "мужчи+на ", "го+род ",
    "дере+вня ", "у+лица ", "пло+щадь ", "маши+на ", "авто+бус ", "по+езд ", "самолё+т ",
    "вокза+л ", "аэропо+рт ", "гости+ница ", "рестора+н ", "магази+н ", "ры+нок ", "апте+ка ",
    "больни+ца ", "шко+ла ", "университе+т ", "библиоте+ка ", "теа+тр ", "кино+ ", "музе+й ",
    "па+мятник ", "це+рковь ", "мо+ст ", "река+ ", "о+зеро ", "го+ры ", "ле+с ", "по+ле ",
    "со+лнце ", "луна+ ", "звезда+ ", "не+бо ", "до+ждь ", "сне+г ", "ве+тер ", "пого+да ",
    "зима+ ", "весна+ ", "ле+то ", "о+сень ", "у+тро ", "ве+чер ", "но+чь ", "вре+мя ",
    "мину+та ", "секу+нда ", "неде+ля ", "ме+сяц ", "го+д ", "жизнь ", "любо+вь ", "дру+жба ",
    "рабо+та ", "де+ньги ", "хле+б ", "молоко+ ", "вода+ ", "ча+й ", "ко+фе ", "я+блоко ",
    "карто+шка ", "капу+ста ", "мя+со ", "ры+ба ", "сы+р ", "ма+сло ", "са+хар ", "соль ",
    "спи+чки ", "сигаре+ты ", "газе+та ", "журна+л ", "кни+га ", "письмо+ ", "ма+рка ",
    "конве+рт ", "телефо+н ", "компью+тер ", "пи+сьменный ", "сто+л ", "сту+л ", "крова+ть ",
    "окно+ ", "две+рь ", "сте+на ", "потоло+к ", "по+л ", "ку+хня ", "ко+мната ", "ва+нная ",
    "бля+ть ", "мя+нни ", "ста+л ", "ска+ться ", "о+ой ", "иа+ ", "ни+ма ", "мра+чный ",
    "нача+ло ", "тка+ч ", "лга+ть ", "жда+ть ", "вра+ч ", "зра+чок ", "дя+дя ", "па+льто ",
    "са+ть ", "та+ть ", "ча+ть ", "ва+ть ", "за+ть ", "ма+ть ", "ла+. ", "кольцо+ ", "акция ",
    "шина ", "цирк ", "жито ", "ржи ", "кши ", "ї+жак ", "сі+ль ", "мі+сто ", "ду+же ",
    "дя+кую ", "будь ла+ска ", "до+брий ", "ве+чір ", "ра+нок ", "дру+г ", "сестра+ ",
    "бра+т ", "ма+ма ", "та+то ", "ба+бця ", "ді+дусь ", "ха+та ", "село+ ", "по+ле ",
    "пшени+ця ", "жи+то ", "со+няшник ", "ба+тьківщина ", "украї+на ", "ки+їв ", "льві+в ",
    "о+десса ", "ха+рків ", "дніпро+ ", "в до+ме ", "на у+лице ", "из до+ма ", "к ма+ме ",
    "с дру+гом ", "по доро+ге ", "за окно+м ", "под столо+м ", "над реко+й ", "пе+ред две+рью ",
    "аэрофло+т ", "воздухопла+вание ", "достопримеча+тельность ", "электроста+нция ",
    "ко+нтрстра+йк ", "взбздну+ть ", "встрепену+ться ", "здра+вствуй ", "чу+вство ",
    "со+лнышко ", "мо+лния ", "гром ", "ту+ча ", "тума+н ", "ра+дуга ", "ро+са ", "и+ней ",
    "лёд ", "пар ", "ого+нь ", "дым ", "пе+пел ", "ка+мень ", "песо+к ", "гли+на ", "земля+ ",
    "желе+зо ", "зо+лото ", "серебро+ ", "медь ", "о+лово ", "свине+ц ", "стекло+ ",
    "де+рево ", "бума+га ", "тка+нь ", "ко+жа ", "шерсть ", "шёлк ", "хло+пок ", "лён ",
    "- ", "? ", "! ", "; ", ": ", "... ", "с'е+л ", "об'е+кт ", "под'е+зд ", "ю+г ", "се+вер ",
    "восто+к ", "за+пад ", "ле+вый ", "пра+вый ", "пря+мо ", "наза+д ", "вверх ", "вниз ",
    "бы+стро ", "ме+дленно ", "гро+мко ", "ти+хо ", "хорошо+ ", "пло+хо ", "мно+го ", "ма+ло ",
    "всегда+ ", "никогда+ ", "иногда+ ", "ча+сто ", "ре+дко ", "сейча+с ", "пото+м ", "сра+зу ",
    "ещё+ ", "уже+ ", "то+лько ", "да+же ", "во+т ", "вон ", "здесь ", "там ", "туда+ ",
    "сюда+ ", "отку+да ", "куда+ ", "где ", "когда+ ", "почему+ ", "заче+м ", "ско+лько ",
};

struct Walk {
  std::vector<std::string> texts;
  std::size_t calls = 0;
};

Walk MakeWalk() {
  Walk walk;
  for (const char *word : kWords) {
    walk.texts.push_back(ToCp1251(word));
    walk.calls += walk.texts.back().size();
  }
  return walk;
}

void BM_PhonemesChainPerPosition(benchmark::State &state) {
  const Walk walk = MakeWalk();
  const int ukrainian = static_cast<int>(state.range(0));
  char out[350];
  for (auto _ : state) {
    for (const std::string &text : walk.texts) {
      const int length = static_cast<int>(text.size());
      for (int position = 1; position <= length; ++position) {
        benchmark::DoNotOptimize(
            Zorna_GetPhonemesChain(text.c_str(), position, ukrainian, out, sizeof out));
        benchmark::ClobberMemory();
      }
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * walk.calls));
  state.counters["ns_per_call"] = benchmark::Counter(
      static_cast<double>(state.iterations() * walk.calls),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["words"] = static_cast<double>(walk.texts.size());
}
BENCHMARK(BM_PhonemesChainPerPosition)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
