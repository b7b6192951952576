#pragma once

#include "model/keyedcollection.h"
#include "model/userinterface.h"

#include <functional>
#include <string>
#include <vector>

namespace kpd {

// The open menu windows of the main window, keyed by the window key the menu tree gives.
// The list does not own the windows; a window takes itself out when it closes. A window
// type offers haveFocus(), bringToFront() and closeWindow().
template <typename Window>
class menuWindows {
public:
    using Factory = std::function<Window*(const std::string& key)>;

    menuWindows(UserInterface& ui, Factory factory) : ui_(ui), factory_(std::move(factory)) {}

    // A key already in the list brings that window forward instead of opening a second one.
    Window* Add(const std::string& key)
    {
        if (Window* existing = windows_.find(key)) {
            existing->bringToFront();
            return existing;
        }
        try {
            Window* window = factory_(key);
            if (!window) return nullptr;
            windows_.add(key, *window);
            return window;
        } catch (const ModelError& error) {
            ui_.message("Error: " + std::to_string(error.code()));
            return nullptr;
        }
    }

    Window& Item(const std::string& key) const { return windows_.Item(key); }
    Window& Item(std::int32_t position) const { return windows_.Item(position); }
    std::int32_t Count() const { return windows_.Count(); }
    bool contains(const std::string& key) const { return windows_.keyExists(key); }
    void Remove(const std::string& key) { windows_.Remove(key); }
    void Remove(std::int32_t position) { windows_.Remove(position); }

    auto begin() const { return windows_.begin(); }
    auto end() const { return windows_.end(); }

    // The last window in list order that claims the focus, or nullptr.
    Window* getFormInFocus() const
    {
        Window* inFocus = nullptr;
        for (Window& window : windows_) {
            if (window.haveFocus()) inFocus = &window;
        }
        return inFocus;
    }

    // Closing a window takes it out of the list, so close from a copy.
    void removeAll()
    {
        std::vector<Window*> open;
        for (Window& window : windows_) open.push_back(&window);
        for (Window* window : open) window->closeWindow();
    }

private:
    class WindowList : public KeyedCollection<Window> {
    public:
        void add(const std::string& key, Window& window) { this->appendShared(key, window); }
    };

    UserInterface& ui_;
    Factory factory_;
    WindowList windows_;
};

} // namespace kpd
