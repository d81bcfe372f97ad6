#include "skin/core/skinner_links.h"

namespace skin {
namespace {
SkinnerFactory& Factory() {
  static SkinnerFactory factory;
  return factory;
}
}  // namespace

void SetSkinnerFactory(const SkinnerFactory& factory) { Factory() = factory; }

const SkinnerFactory& CurrentSkinnerFactory() { return Factory(); }

}  // namespace skin
