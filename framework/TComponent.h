// Unit Classes: TComponent, the owned, named, streamable component.
#pragma once

#include "Classes.h"
#include "TPersistent.h"
#include "TypInfo.h"

#include <functional>
#include <vector>

class TReader;
class TWriter;

TAWO_ENUM(TOperation, opInsert, opRemove)
TAWO_ENUM(TComponentStateItem, csLoading, csReading, csWriting, csDestroying, csDesigning,
          csAncestor, csUpdating, csFixups, csFreeNotification, csInline, csDesignInstance)
using TComponentState = TSet<TComponentStateItem>;
TAWO_ENUM(TComponentStyleItem, csInheritable, csCheckPropAvail, csSubComponent, csTransient)
using TComponentStyle = TSet<TComponentStyleItem>;

// Receives each child a component streams (GetChildren).
using TGetChildProc = std::function<void(TComponent* child)>;

class TComponent : public TPersistent {
  TAWO_CLASS(TComponent, TPersistent)

 public:
  using ConstructorArgument = TComponent;

  // An owner takes the component into Components and destroys it with itself.
  explicit TComponent(TComponent* owner);
  // Runs the teardown in the framework's order: free notifications (last first), owned
  // components (last created first), then removal from the owner, which tells the owner's
  // remaining components (opRemove).
  ~TComponent() override;
  void BeforeDestruction() override;

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const;
  int ComponentIndex() const;
  void SetComponentIndex(int index);
  // Case-insensitive; '' finds nothing.
  TComponent* FindComponent(const AnsiString& name) const;

  const AnsiString& Name() const { return FName; }
  // '' or a valid identifier, unique among the owner's components (EComponentError).
  virtual void SetName(const AnsiString& name);
  int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }
  // Design position of a non-visual component: Left in the low word, Top in the high word.
  int32_t DesignInfo() const { return FDesignInfo; }
  void SetDesignInfo(int32_t info) { FDesignInfo = info; }

  TComponentState ComponentState() const { return FComponentState; }
  TComponentStyle ComponentStyle() const { return FComponentStyle; }
  void SetSubComponent(bool value);

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void DestroyComponents();
  // Marks this component and everything it owns as being destroyed.
  void Destroying();

  // `component` receives Notification(this, opRemove) when this component is destroyed;
  // the link is mutual, so either side's destruction unlinks the other.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  AnsiString GetNamePath() const override;
  void DefineProperties(TFiler& filer) override;

  // Streaming hooks.
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent*) {}
  virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
  virtual TComponent* GetChildOwner() { return nullptr; }
  virtual TComponent* GetChildParent() { return this; }
  virtual void SetChildOrder(TComponent*, int) {}
  virtual void ReadState(TReader& reader);
  virtual void WriteState(TWriter& writer);

 protected:
  virtual void Notification(TComponent* component, TOperation operation);
  virtual void ValidateRename(TComponent* component, const AnsiString& currentName,
                              const AnsiString& newName);
  virtual void ChangeName(const AnsiString& newName) { FName = newName; }
  // Called after the component and its whole root have been read: clears csLoading.
  virtual void Loaded();
  // Points the owner's published field named like this component at it (or at nothing).
  void SetReference(bool enable);

  TComponentStyle FComponentStyle{TComponentStyleItem::csInheritable};

 private:
  friend class TReader;
  friend class TWriter;
  friend void GlobalFixupReferences();

  void RemoveNotification(TComponent* component);

  TComponent* FOwner = nullptr;
  AnsiString FName;
  int32_t FTag = 0;
  int32_t FDesignInfo = 0;
  TComponentState FComponentState;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
};
