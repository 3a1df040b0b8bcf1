#include "windowsearch.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace platform {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

// The window's title: _NET_WM_NAME in UTF-8 where it has one, else WM_NAME.
std::optional<QString> titleOf(xcb_connection_t* connection, xcb_window_t window,
                               xcb_atom_t netName, xcb_atom_t utf8) {
    for (const xcb_atom_t property : {netName, xcb_atom_t(XCB_ATOM_WM_NAME)}) {
        if (property == XCB_ATOM_NONE)
            continue;
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
            nullptr);
        if (!reply)
            continue;
        const char* value = static_cast<const char*>(xcb_get_property_value(reply));
        const int length = xcb_get_property_value_length(reply);
        std::optional<QString> title;
        if (reply->type != XCB_ATOM_NONE && reply->format == 8)
            title = reply->type == utf8 ? QString::fromUtf8(value, length)
                                        : QString::fromLatin1(value, length);
        std::free(reply);
        if (title)
            return title;
    }
    return std::nullopt;
}

// Top-level windows lie under the root, inside the window manager's frames: a few levels down.
bool searchBelow(xcb_connection_t* connection, xcb_window_t parent, const QString& title,
                 xcb_atom_t netName, xcb_atom_t utf8, int depth) {
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(connection, xcb_query_tree(connection, parent), nullptr);
    if (!tree)
        return false;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    const int count = xcb_query_tree_children_length(tree);
    bool found = false;
    for (int i = 0; i < count && !found; ++i) {
        if (titleOf(connection, children[i], netName, utf8) == title)
            found = true;
        else if (depth > 1)
            found = searchBelow(connection, children[i], title, netName, utf8, depth - 1);
    }
    std::free(tree);
    return found;
}

} // namespace

std::optional<bool> displayHasWindow(const QString& title) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const xcb_atom_t netName = atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
    for (xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection));
         screen.rem; xcb_screen_next(&screen))
        if (searchBelow(connection, screen.data->root, title, netName, utf8, 3))
            return true;
    return false;
}

} // namespace platform
