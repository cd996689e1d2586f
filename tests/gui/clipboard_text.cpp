// clipboard_text: prints the text held in the clipboard, waiting up to ten seconds for a program to own
// it (a program slowed by a busy machine and the sanitizers answers late), and fails with nothing
// printed when none does. `clipboard_text clear` empties the clipboard first:
// it takes the clipboard and leaves, and the server drops the ownership with the connection, so a later
// read finds only what was copied after it.
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int WAIT_STEPS = 1000;    // of 10 ms each
constexpr long MOST_BYTES = 65536;  // far more than any field of the program holds

// waitForOwner() polls until some window owns the selection.
bool waitForOwner(Display* display, Atom selection) {
    for (int i = 0; i < WAIT_STEPS; ++i) {
        if (XGetSelectionOwner(display, selection) != None) return true;
        usleep(10000);
    }
    return false;
}

// waitForAnswer() polls for the owner's answer to our conversion request.
bool waitForAnswer(Display* display, Window window, XEvent& event) {
    for (int i = 0; i < WAIT_STEPS; ++i) {
        if (XCheckTypedWindowEvent(display, window, SelectionNotify, &event)) return true;
        usleep(10000);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const bool clear = argc == 2 && std::strcmp(argv[1], "clear") == 0;
    if (argc > 2 || (argc == 2 && !clear)) {
        std::fprintf(stderr, "usage: clipboard_text [clear]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "clipboard_text: cannot open the display\n");
        return 1;
    }
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    int status = 1;
    if (clear) {
        XSetSelectionOwner(display, clipboard, window, CurrentTime);
        status = 0;
    } else if (waitForOwner(display, clipboard)) {
        const Atom property = XInternAtom(display, "CLIPBOARD_TEXT", False);
        XConvertSelection(display, clipboard, XInternAtom(display, "UTF8_STRING", False), property, window,
                          CurrentTime);
        XFlush(display);
        XEvent event;
        if (waitForAnswer(display, window, event) && event.xselection.property != None) {
            Atom type;
            int format;
            unsigned long items, left;
            unsigned char* data = nullptr;
            if (XGetWindowProperty(display, window, property, 0, MOST_BYTES / 4, False, AnyPropertyType, &type,
                                   &format, &items, &left, &data) == Success && data) {
                std::fwrite(data, 1, items, stdout);
                std::fputc('\n', stdout);
                status = 0;
            }
            if (data) XFree(data);
        }
    }
    XSync(display, False);
    XCloseDisplay(display);
    return status;
}
