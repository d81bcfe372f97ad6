#include "skin/core/skin_manager_link.h"

namespace skin {

namespace {

SkinManagerFactory g_factory = nullptr;
uint32_t g_generation = 0;

std::unique_ptr<ISkinManagerLink>& Instance() {
  static std::unique_ptr<ISkinManagerLink> instance;
  return instance;
}

}  // namespace

void SetSkinManagerFactory(SkinManagerFactory factory) { g_factory = factory; }

ISkinManagerLink* SkinManagerLink() { return Instance().get(); }

ISkinManagerLink* CreateSkinManagerIfMissing() {
  auto& instance = Instance();
  if (!instance && g_factory) {
    instance = g_factory();
    if (instance) ++g_generation;
  }
  return instance.get();
}

void DestroySkinManager() { Instance().reset(); }

uint32_t SkinManagerGeneration() { return g_generation; }

}  // namespace skin
