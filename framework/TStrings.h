// Unit Classes: TStrings, the abstract list of strings with associated objects, name=value
// pairs, text and comma forms, and the "Strings" stream property.
#pragma once

#include "Classes.h"
#include "TPersistent.h"

class TStream;

class TStrings : public TPersistent {
  TAWO_CLASS(TStrings, TPersistent)

 public:
  // Storage, provided by descendants.
  virtual AnsiString Get(int index) const = 0;
  virtual int GetCount() const = 0;
  virtual TObject* GetObject(int index) const;
  virtual void Put(int index, const AnsiString& text);
  virtual void PutObject(int index, TObject* object);
  virtual void Insert(int index, const AnsiString& text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int index1, int index2);

  int Count() const { return GetCount(); }
  AnsiString Strings(int index) const { return Get(index); }
  TObject* Objects(int index) const { return GetObject(index); }

  virtual int Add(const AnsiString& text);
  int AddObject(const AnsiString& text, TObject* object);
  void InsertObject(int index, const AnsiString& text, TObject* object);
  void AddStrings(const TStrings& strings);
  void Move(int currentIndex, int newIndex);
  virtual int IndexOf(const AnsiString& text) const;
  int IndexOfName(const AnsiString& name) const;
  int IndexOfObject(const TObject* object) const;
  bool Equals(const TStrings& other) const;

  // Name=value pairs: the name is the text before the first '='.
  AnsiString Names(int index) const;
  AnsiString Values(const AnsiString& name) const;
  // An empty value deletes the pair; a new name is added.
  void SetValue(const AnsiString& name, const AnsiString& value);
  AnsiString ValueFromIndex(int index) const;

  // Lines each ending in CR LF; reading splits at CR, LF or CR LF.
  AnsiString Text() const;
  void SetText(const AnsiString& text);
  // Items separated by the delimiter; items with blanks, quotes or delimiters are quoted.
  // Reading also splits at blanks outside quotes.
  AnsiString DelimitedText() const;
  void SetDelimitedText(const AnsiString& text);
  AnsiString CommaText() const;
  void SetCommaText(const AnsiString& text);
  char Delimiter = ',';
  char QuoteChar = '"';

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  void Assign(TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;

 protected:
  // Called with true by the first BeginUpdate and with false by the last EndUpdate.
  virtual void SetUpdateState(bool updating);
  // Case rule for IndexOf, IndexOfName and Values; case-insensitive by default.
  virtual int CompareStrings(const AnsiString& a, const AnsiString& b) const;
  [[noreturn]] void Error(const char* message, int index) const;

 private:
  AnsiString JoinDelimited(char delimiter, char quote) const;
  void SplitDelimited(const AnsiString& text, char delimiter, char quote);

  int FUpdateCount = 0;
};
