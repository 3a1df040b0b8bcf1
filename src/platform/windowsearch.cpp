#include "windowsearch.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <vector>
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

// A window may close between two requests about it: its error is taken with the reply and
// dropped, rather than left for the program's own event queue.
template <typename Reply, typename Cookie>
Reply* replyOrNull(Reply* (*fetch)(xcb_connection_t*, Cookie, xcb_generic_error_t**),
                   xcb_connection_t* connection, Cookie cookie) {
    xcb_generic_error_t* error = nullptr;
    Reply* reply = fetch(connection, cookie, &error);
    std::free(error);
    return reply;
}

struct Atoms {
    xcb_atom_t netName;
    xcb_atom_t utf8;
};

// The title in a property reply: _NET_WM_NAME in UTF-8, WM_NAME in Latin-1.
std::optional<QString> titleIn(xcb_get_property_reply_t* reply, xcb_atom_t utf8) {
    if (!reply || reply->type == XCB_ATOM_NONE || reply->format != 8)
        return std::nullopt;
    const char* value = static_cast<const char*>(xcb_get_property_value(reply));
    const int length = xcb_get_property_value_length(reply);
    return reply->type == utf8 ? QString::fromUtf8(value, length)
                               : QString::fromLatin1(value, length);
}

// Top-level windows lie under the roots, inside the window manager's frames: a few levels
// down. Each level is asked for all at once, so a search costs a few round trips, not one a
// window.
bool searchLevel(xcb_connection_t* connection, const std::vector<xcb_window_t>& windows,
                 const QString& title, Atoms atoms, int depth) {
    std::vector<xcb_get_property_cookie_t> netNames, names;
    std::vector<xcb_query_tree_cookie_t> trees;
    for (const xcb_window_t window : windows) {
        netNames.push_back(xcb_get_property(connection, 0, window, atoms.netName,
                                            XCB_GET_PROPERTY_TYPE_ANY, 0, 1024));
        names.push_back(xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME,
                                         XCB_GET_PROPERTY_TYPE_ANY, 0, 1024));
        if (depth > 1)
            trees.push_back(xcb_query_tree(connection, window));
    }
    bool found = false;
    std::vector<xcb_window_t> children;
    for (size_t i = 0; i < windows.size(); ++i) {
        xcb_get_property_reply_t* netName =
            replyOrNull(xcb_get_property_reply, connection, netNames[i]);
        xcb_get_property_reply_t* name = replyOrNull(xcb_get_property_reply, connection, names[i]);
        std::optional<QString> shown = titleIn(netName, atoms.utf8);
        if (!shown)
            shown = titleIn(name, atoms.utf8);
        found = found || shown == title;
        std::free(netName);
        std::free(name);
        if (depth > 1) {
            if (xcb_query_tree_reply_t* tree =
                    replyOrNull(xcb_query_tree_reply, connection, trees[i])) {
                const xcb_window_t* below = xcb_query_tree_children(tree);
                children.insert(children.end(), below,
                                below + xcb_query_tree_children_length(tree));
                std::free(tree);
            }
        }
    }
    if (found)
        return true;
    return depth > 1 && !children.empty() &&
           searchLevel(connection, children, title, atoms, depth - 1);
}

} // namespace

std::optional<bool> displayHasWindow(const QString& title) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    std::vector<xcb_window_t> roots;
    for (xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection));
         screen.rem; xcb_screen_next(&screen))
        roots.push_back(screen.data->root);
    const Atoms atoms{atom(connection, "_NET_WM_NAME"), atom(connection, "UTF8_STRING")};
    // The roots themselves carry no window title; the top-level windows are up to three below.
    return searchLevel(connection, roots, title, atoms, 4);
}

} // namespace platform
