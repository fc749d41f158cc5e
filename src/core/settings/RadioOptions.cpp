#include "core/settings/RadioOptions.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "core/lang/AnyLanguage.h"
#include "core/lang/AsciiText.h"
#include "core/radio/ImageMap.h"
#include "core/settings/OptionalFeatures.h"
#include "core/settings/ProductInfo.h"

namespace {

const char* const kModel = "model";
const char* const kBand = "band";

// Case, blanks, '-' and '_' do not tell values apart. Only ASCII letters
// fold: the Chinese texts compare byte for byte.
std::string Folded(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (c == ' ' || c == '_')
      c = '-';
    else
      c = FoldAscii(c);
  }
  return out;
}

std::string ByteText(std::uint8_t byte) {
  char text[8];
  std::snprintf(text, sizeof text, "(0x%02X)", byte);
  return text;
}

// "a, b, c", or with `shorten` "a, b, ..., z" for a long list.
std::string Listed(const std::vector<std::string>& items, bool shorten = true, const std::string& separator = ", ") {
  constexpr std::size_t kLongList = 8;
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (shorten && items.size() > kLongList && i == 2) {
      text += separator + "...";
      i = items.size() - 1;
    }
    text += (text.empty() ? "" : separator) + items[i];
  }
  return text;
}

int FindEntry(OptionList list, const std::string& value) {
  const std::vector<std::vector<std::string>> entries =
      EveryForm<std::vector<std::string>>([list](Language language) { return OptionListEntries(list, language); });
  // The unit of the seconds lists may be left out.
  for (const std::string& typed : {Folded(value), Folded(value + "s")})
    for (std::size_t i = 0; i < entries.front().size(); ++i)
      if (AnyLanguage([&](Language l) { return typed == Folded(entries[LanguageIndex(l)][i]); }))
        return static_cast<int>(i);
  return kNoSelection;
}

std::vector<std::string> FoldedEntries(OptionList list) {
  std::vector<std::string> entries = OptionListEntries(list, Language::English);
  for (std::string& e : entries) e = Folded(e);
  return entries;
}

std::string ListHint(OptionList list) { return Listed(FoldedEntries(list)); }

// The values of set --help: "off|1-16", a list of plain numbers as a range.
std::string HelpValues(const OptionRow& row) {
  std::vector<std::string> values = FoldedEntries(row.list);
  const OptionEntries& entries = row.entries;
  if (entries.numberCount > 1 && !entries.seconds) {
    values.resize(static_cast<std::size_t>(entries.wordCount));
    values.push_back(std::to_string(entries.firstNumber) + "-" +
                     std::to_string(entries.firstNumber + (entries.numberCount - 1) * entries.step));
  }
  return Listed(values, true, "|");
}

// A model or band: its name, else its number from 1. Empty entries name
// nothing.
int FindNamed(const std::vector<std::string>& names, const std::string& value) {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (!names[i].empty() && Folded(names[i]) == Folded(value)) return static_cast<int>(i);
  if (value.empty() || value.size() > 3 || value.find_first_not_of("0123456789") != std::string::npos)
    return kNoSelection;
  const std::size_t n = std::stoul(value);
  if (n < 1 || n > names.size() || names[n - 1].empty()) return kNoSelection;
  return static_cast<int>(n - 1);
}

std::string NamedHint(const std::vector<std::string>& names) {
  std::vector<std::string> given;
  for (const std::string& n : names)
    if (!n.empty()) given.push_back(n);
  if (given.empty()) return "Program.ini beside the program lists none";
  return "one of: " + Listed(given) + ", or 1-" + std::to_string(names.size());
}

struct Assignment {
  bool given = false;
  std::string value;
};

bool ApplyProduct(const Assignment& model, const Assignment& band, const CProfileFile& profile, RadioImage& image,
                  std::string& error) {
  const BandLimits before = BandLimitsFromText(ProductTextsOfImage(profile, image).band);
  int modelIndex = image.productType();
  if (model.given) {
    const std::vector<std::string> models = ModelList(profile);
    modelIndex = FindNamed(models, model.value);
    if (modelIndex == kNoSelection) {
      error = "'" + model.value + "' is no model (" + NamedHint(models) + ")";
      return false;
    }
  }
  const std::vector<std::string> bands = BandList(profile, modelIndex);
  int bandIndex = 0;
  if (band.given) {
    bandIndex = FindNamed(bands, band.value);
    if (bandIndex == kNoSelection) {
      const std::string name = ModelName(profile, modelIndex);
      error = "'" + band.value + "' is no band of model " + (name.empty() ? std::to_string(modelIndex + 1) : name) +
              " (" + NamedHint(bands) + ")";
      return false;
    }
  }
  StoreProductChoice(modelIndex, bandIndex, bands[static_cast<std::size_t>(bandIndex)], before, image);
  return true;
}

}  // namespace

const std::vector<std::string>& RadioOptionNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const OptionRow& row : kOptionRows) all.push_back(row.name);
    all.push_back(kModel);
    all.push_back(kBand);
    return all;
  }();
  return names;
}

std::vector<RadioOptionValue> RadioOptionsOfImage(const RadioImage& image, const CProfileFile& profile,
                                                  Language language) {
  std::vector<RadioOptionValue> values;
  for (const OptionRow& row : kOptionRows) {
    const int index = OptionIndexFromImage(image, row.list);
    values.push_back({row.name, index == kNoSelection
                                    ? ByteText(image[row.storage.offset])
                                    : OptionListEntries(row.list, language)[static_cast<std::size_t>(index)]});
  }
  const ProductTexts product = ProductTextsOfImage(profile, image);
  values.push_back({kModel, product.model.empty() ? ByteText(image.productType()) : product.model});
  values.push_back({kBand, product.band.empty() ? ByteText(image.productBand()) : product.band});
  return values;
}

bool ApplyRadioOptions(const std::vector<std::string>& assignments, const CProfileFile& profile, RadioImage& image,
                       std::string& error) {
  RadioImage changed = image;
  std::set<std::string> seen;
  Assignment model, band;
  for (const std::string& word : assignments) {
    const std::size_t eq = word.find('=');
    if (eq == std::string::npos) {
      error = "'" + word + "' is no NAME=VALUE";
      return false;
    }
    const std::string name = Folded(word.substr(0, eq));
    const std::string value = word.substr(eq + 1);
    if (!seen.insert(name).second) {
      error = name + " is given twice";
      return false;
    }
    if (name == kModel || name == kBand) {
      (name == kModel ? model : band) = {true, value};
      continue;
    }
    const auto row = std::find_if(std::begin(kOptionRows), std::end(kOptionRows),
                                  [&](const OptionRow& r) { return name == r.name; });
    if (row == std::end(kOptionRows)) {
      error = "'" + word.substr(0, eq) + "' is no option (one of: " + Listed(RadioOptionNames(), false) + ")";
      return false;
    }
    const OptionList list = row->list;
    const int index = FindEntry(list, value);
    if (index == kNoSelection) {
      error = "'" + value + "' is no value of " + name + " (one of: " + ListHint(list) + ")";
      return false;
    }
    StoreOptionIndex(list, index, changed);
  }
  if ((model.given || band.given) && !ApplyProduct(model, band, profile, changed, error)) return false;
  image = changed;
  return true;
}

std::string RadioOptionValuesHelp() {
  // Where a NAME=VALUES may start; one too wide takes the next stop's room too.
  constexpr std::size_t kStops[] = {2, 31, 52};
  constexpr std::size_t kWidth = 79;
  constexpr std::size_t kWrapIndent = 17;
  std::string text, line;
  const auto flush = [&] {
    if (!line.empty()) text += line + '\n';
    line.clear();
  };
  for (const OptionRow& row : kOptionRows) {
    if (row.entries.sharedName) continue;
    const std::string item = std::string(row.name) + "=" + HelpValues(row);
    const std::size_t* stop = std::find_if(std::begin(kStops), std::end(kStops), [&](std::size_t s) {
      return (line.empty() || s > line.size()) && s + item.size() <= kWidth;
    });
    if (stop == std::end(kStops)) {
      flush();
      stop = std::begin(kStops);
    }
    line.resize(*stop, ' ');
    line += item;
  }
  flush();
  // A shared list once, after the names that take it.
  std::vector<const char*> shared;
  for (const OptionRow& row : kOptionRows)
    if (row.entries.sharedName && std::find(shared.begin(), shared.end(), row.entries.sharedName) == shared.end())
      shared.push_back(row.entries.sharedName);
  for (const char* listName : shared) {
    std::vector<std::string> names;
    std::vector<std::string> values;
    for (const OptionRow& row : kOptionRows) {
      if (row.entries.sharedName != listName) continue;
      names.push_back(std::string(row.name) + "=" + listName);
      values = FoldedEntries(row.list);
    }
    line = "  " + Listed(names, false) + "   " + listName + ": ";
    for (std::size_t i = 0; i < values.size(); ++i) {
      const std::string piece = values[i] + (i + 1 < values.size() ? "|" : "");
      if (line.size() + piece.size() > kWidth) {
        flush();
        line.assign(kWrapIndent, ' ');
      }
      line += piece;
    }
    flush();
  }
  return text;
}
