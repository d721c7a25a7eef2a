#pragma once
// Components: an owner frees the components it owns, last created first.

#include <string>
#include <vector>

class TObject {
public:
  virtual ~TObject() = default;
};

class TComponent : public TObject {
public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  // True while the component is edited in a designer; this program never is.
  bool Designing() const { return designing_; }
  void SetDesigning(bool designing) { designing_ = designing; }

protected:
  // Frees every owned component now (a derived destructor that must outlive them calls it).
  void DestroyComponents();

private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::string name_;
  bool designing_ = false;
};
