#pragma once
// What the settings window model needs from the real window that shows it.

namespace cw {

class SettingsHost {
  public:
    virtual ~SettingsHost() = default;
    // Closes (unloads) the settings window. The model's handlers call it as their last
    // statement and touch nothing after it, so the view may destroy the model inside it.
    virtual void UnloadSettingsWindow() = 0;
};

}  // namespace cw
