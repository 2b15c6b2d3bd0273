// A language: the table that maps the English texts of the interface to their translation. The
// table is one built-in text of pairs, parsed once into sorted keys with parallel values that
// point into the object's own copy of the text, so that a lookup returns a pointer and never
// copies.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CLanguageBase {
public:
  CLanguageBase();
  virtual ~CLanguageBase();
  CLanguageBase(const CLanguageBase&) = delete;
  CLanguageBase& operator=(const CLanguageBase&) = delete;

  // Parses the language's built-in table.
  virtual bool LoadTable() = 0;

  // Replaces the table with the pairs of `text`, each written "|key||value|"; anything outside the
  // bars is ignored and an empty value stands for the key itself. A null text fails and leaves the
  // table as it was; bars that do not pair up into as many values as keys leave the table empty.
  bool ParseTable(const char16_t* text);
  // Orders the pairs by key, code unit by code unit (ordinal, case-sensitive).
  void SortTable();
  // Empties the table and names the language "English" again.
  void ClearTable();

  // The translation of `text`, or `text` itself when the table has no such key (the match is
  // exact); a null text gives the empty string. The translation lives as long as this object.
  const char16_t* Translate(const char16_t* text) const;

  const std::u16string& Name() const { return name_; }
  std::int32_t LanguageId() const { return languageId_; }
  std::size_t PairCount() const { return keys_.size(); }

protected:
  // Loads the table and, when that succeeds, takes the given name and id; a failed load leaves
  // an empty table that reports itself as English, id 0.
  void LoadAs(std::u16string name, std::int32_t languageId);

private:
  std::vector<const char16_t*> keys_;
  std::vector<const char16_t*> values_;
  std::u16string name_;
  std::int32_t languageId_;
  std::unique_ptr<char16_t[]> buffer_;
};

// The texts as written: its table holds only "Snapshot".
class CLanguageEng final : public CLanguageBase {
public:
  CLanguageEng();
  bool LoadTable() override;
};

class CLanguageChs final : public CLanguageBase {
public:
  CLanguageChs();
  bool LoadTable() override;
};

class CLanguageCht final : public CLanguageBase {
public:
  CLanguageCht();
  bool LoadTable() override;
};
