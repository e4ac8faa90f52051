// Catalogue subkeys with any "Display", "Std", "Dlt" and "TZI" values, of
// any type and length: start-up goes on (each damaged zone reported against
// its name), the lists hold every zone sorted by offset, and a tick and a
// typed time still convert between them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"

namespace {

using namespace tellux;

// Takes a length-prefixed chunk off the front of the input.
std::string Take(std::string_view& in) {
  if (in.empty()) return {};
  const std::size_t n = std::min<std::size_t>(static_cast<unsigned char>(in[0]), in.size() - 1);
  std::string chunk(in.substr(1, n));
  in.remove_prefix(1 + n);
  return chunk;
}

std::uint32_t TypeOf(std::string_view& in) {
  if (in.empty()) return kRegSz;
  const auto t = static_cast<unsigned char>(in[0]) % 5;  // 0..4: none, sz, expand_sz, binary, dword
  in.remove_prefix(1);
  return t;
}

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view in(reinterpret_cast<const char*>(data), size);
  testing::TestServices t;
  t.clock.local = testing::MakeTime(2003, 6, 15, 12, 0, 0);
  const int zones = in.empty() ? 0 : static_cast<unsigned char>(in[0]) % 4;
  if (!in.empty()) in.remove_prefix(1);
  std::vector<std::string> keys;
  for (int z = 0; z < zones; ++z) {
    const std::string key = "Zone" + std::to_string(z);
    keys.push_back(key);
    for (const char* name : {"Display", "Std", "Dlt", "TZI"}) {
      const std::uint32_t type = TypeOf(in);
      t.registry.SetValue(key, name, testing::FakeValue{type, Take(in)});
    }
  }
  frmTime form(t.services());
  try {
    form.Form_Load();
  } catch (const testing::ProgramEnded&) {
    fuzz::Broken("start-up ended the program");
  }
  for (const std::string& message : t.messages.texts) {
    bool named = false;
    for (const std::string& key : keys) named = named || EndsWith(message, " in GetRegistryValues for " + key);
    fuzz::Check(named, "a message that is not a zone's load failure");
  }
  fuzz::Check(form.Catalogue.Count() == zones, "a zone missing from the catalogue");
  for (const ComboBox& list : form.ComboTZ) {
    fuzz::Check(list.ListCount() == zones, "a zone missing from a list");
    fuzz::Check(zones == 0 ? list.ListIndex() == -1 : list.ListIndex() >= 0, "a list without its default");
  }
  for (int k = 1; k < zones; ++k) {
    fuzz::Check(form.Catalogue.ZoneRule[static_cast<std::size_t>(k)].Bias <=
                    form.Catalogue.ZoneRule[static_cast<std::size_t>(k + 1)].Bias,
                "the catalogue is not sorted");
  }
  const std::size_t messages = t.messages.texts.size();
  fuzz::AsUser(form, [&] { form.Timer1.Fire(); });
  fuzz::AsUser(form, [&] { form.Text2.UserEdit("11:59 PM"); });
  fuzz::AsUser(form, [&] { form.UpDown[3].UserUp(); });
  fuzz::Check(t.messages.texts.size() == messages, "running showed a message");
  fuzz::Check(fuzz::RecordsInRange(form), "records out of range");
  return 0;
}
