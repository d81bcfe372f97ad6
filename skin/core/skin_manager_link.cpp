#include "skin/core/skin_manager_link.h"

namespace skin {

namespace {

SkinManagerFactory g_factory = nullptr;

std::unique_ptr<ISkinManagerLink>& Instance() {
  static std::unique_ptr<ISkinManagerLink> instance;
  return instance;
}

}  // namespace

void SetSkinManagerFactory(SkinManagerFactory factory) { g_factory = factory; }

ISkinManagerLink* SkinManagerLink() { return Instance().get(); }

ISkinManagerLink* CreateSkinManagerIfMissing() {
  auto& instance = Instance();
  if (!instance && g_factory) instance = g_factory();
  return instance.get();
}

void DestroySkinManager() { Instance().reset(); }

}  // namespace skin
