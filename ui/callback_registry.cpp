#include "ui/callback_registry.h"

#include <map>

namespace {

template <typename Fn>
std::map<std::string, Fn>& registry() {
  static std::map<std::string, Fn> callbacks;
  return callbacks;
}

template <typename Fn>
Fn find(const std::string& name) {
  const auto& callbacks = registry<Fn>();
  auto it = callbacks.find(name);
  return it == callbacks.end() ? nullptr : it->second;
}

}  // namespace

void RegisterCtrlCallback(const std::string& name, CtrlCallbackPtr callback) {
  registry<CtrlCallbackPtr>()[name] = callback;
}
void RegisterPanelCallback(const std::string& name, PanelCallbackPtr callback) {
  registry<PanelCallbackPtr>()[name] = callback;
}
void RegisterMenuCallback(const std::string& name, MenuCallbackPtr callback) {
  registry<MenuCallbackPtr>()[name] = callback;
}

namespace ui {

CtrlCallbackPtr FindCtrlCallback(const std::string& name) { return find<CtrlCallbackPtr>(name); }
PanelCallbackPtr FindPanelCallback(const std::string& name) { return find<PanelCallbackPtr>(name); }
MenuCallbackPtr FindMenuCallback(const std::string& name) { return find<MenuCallbackPtr>(name); }

}  // namespace ui
