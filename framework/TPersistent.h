// Unit Classes: TPersistent, the base of everything that can be assigned and streamed.
#pragma once

#include "SysUtils.h"
#include "System.h"

class TFiler;

class TPersistent : public TObject {
  TAWO_CLASS(TPersistent, TObject)

 public:
  TPersistent() = default;

  // Copies Source into this object. The base asks Source to do it (AssignTo) and fails with
  // EConvertError "Cannot assign a <Source> to a <Dest>" (Source nil: "a nil").
  virtual void Assign(TPersistent* source);
  // The object's name for the designer: Owner.Path + '.' + ClassName by default.
  virtual AnsiString GetNamePath() const;
  // Declares properties that are streamed by code of the object's own (DefineProperty).
  virtual void DefineProperties(TFiler& filer);

 protected:
  virtual void AssignTo(TPersistent* dest);
  virtual TPersistent* GetOwner() const { return nullptr; }
  [[noreturn]] void AssignError(const TPersistent* source) const;
};
