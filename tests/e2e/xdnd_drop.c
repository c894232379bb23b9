/* Drops files onto the window under a screen point, as a file manager does:
 * an XDND source that offers the paths as a text/uri-list.
 *
 *   xdnd_drop X Y PATH...
 *
 * Exits 0 when the target took the drop, 1 on bad arguments or no display,
 * 2 when no drop target lies under the point, 3 when the target refused the
 * drop, 4 when it did not answer in time. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <time.h>

enum { xdndVersion = 5, answerSeconds = 10 };

typedef struct {
  Atom aware, selection, enter, position, status, drop, finished, leave, actionCopy, uriList;
} Atoms;

static Atoms internAtoms(Display* display) {
  Atoms atoms;
  atoms.aware = XInternAtom(display, "XdndAware", False);
  atoms.selection = XInternAtom(display, "XdndSelection", False);
  atoms.enter = XInternAtom(display, "XdndEnter", False);
  atoms.position = XInternAtom(display, "XdndPosition", False);
  atoms.status = XInternAtom(display, "XdndStatus", False);
  atoms.drop = XInternAtom(display, "XdndDrop", False);
  atoms.finished = XInternAtom(display, "XdndFinished", False);
  atoms.leave = XInternAtom(display, "XdndLeave", False);
  atoms.actionCopy = XInternAtom(display, "XdndActionCopy", False);
  atoms.uriList = XInternAtom(display, "text/uri-list", False);
  return atoms;
}

/* The XDND version a window announces, or 0 when it takes no drops. */
static long awareVersion(Display* display, Window window, Atom aware) {
  Atom type;
  int format;
  unsigned long count, remaining;
  unsigned char* data = NULL;
  long version = 0;
  if (XGetWindowProperty(display, window, aware, 0, 1, False, XA_ATOM, &type, &format, &count, &remaining, &data) ==
          Success &&
      data != NULL && count == 1 && format == 32) {
    version = (long)*(Atom*)data;
  }
  if (data != NULL) XFree(data);
  return version;
}

/* The outermost window under the point that announces XDND, searched from the root down. */
static Window findTarget(Display* display, Window root, int x, int y, Atom aware, long* version) {
  Window parent = root;
  Window child = None;
  int localX, localY;
  while (XTranslateCoordinates(display, root, parent, x, y, &localX, &localY, &child) && child != None) {
    *version = awareVersion(display, child, aware);
    if (*version > 0) return child;
    parent = child;
  }
  return None;
}

/* "file://" URIs, one a line ended by CR LF, every byte outside the unreserved set percent-encoded. */
static char* uriList(int count, char** paths) {
  size_t size = 1;
  for (int i = 0; i < count; ++i) size += strlen("file://") + 3 * strlen(paths[i]) + 2;
  char* list = malloc(size);
  if (list == NULL) return NULL;
  char* out = list;
  for (int i = 0; i < count; ++i) {
    out += sprintf(out, "file://");
    for (const unsigned char* in = (const unsigned char*)paths[i]; *in != '\0'; ++in) {
      if ((*in >= 'A' && *in <= 'Z') || (*in >= 'a' && *in <= 'z') || (*in >= '0' && *in <= '9') ||
          strchr("-._~/", *in) != NULL) {
        *out++ = (char)*in;
      } else {
        out += sprintf(out, "%%%02X", *in);
      }
    }
    *out++ = '\r';
    *out++ = '\n';
  }
  *out = '\0';
  return list;
}

static void sendMessage(Display* display, Window target, Atom type, long l0, long l1, long l2, long l3, long l4) {
  XEvent event;
  memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.display = display;
  event.xclient.window = target;
  event.xclient.message_type = type;
  event.xclient.format = 32;
  event.xclient.data.l[0] = l0;
  event.xclient.data.l[1] = l1;
  event.xclient.data.l[2] = l2;
  event.xclient.data.l[3] = l3;
  event.xclient.data.l[4] = l4;
  XSendEvent(display, target, False, NoEventMask, &event);
  XFlush(display);
}

static void answerDataRequest(Display* display, const XSelectionRequestEvent* request, const Atoms* atoms,
                              const char* list) {
  XEvent reply;
  memset(&reply, 0, sizeof reply);
  reply.xselection.type = SelectionNotify;
  reply.xselection.display = display;
  reply.xselection.requestor = request->requestor;
  reply.xselection.selection = request->selection;
  reply.xselection.target = request->target;
  reply.xselection.time = request->time;
  reply.xselection.property = None;
  if (request->selection == atoms->selection && request->target == atoms->uriList) {
    Atom property = request->property != None ? request->property : request->target;
    XChangeProperty(display, request->requestor, property, atoms->uriList, 8, PropModeReplace,
                    (const unsigned char*)list, (int)strlen(list));
    reply.xselection.property = property;
  }
  XSendEvent(display, request->requestor, False, NoEventMask, &reply);
  XFlush(display);
}

/* Waits for the next event at most until the deadline; 0 when none came. */
static int nextEvent(Display* display, time_t deadline, XEvent* event) {
  while (!XPending(display)) {
    time_t now = time(NULL);
    if (now >= deadline) return 0;
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(ConnectionNumber(display), &readable);
    struct timeval wait = {deadline - now, 0};
    select(ConnectionNumber(display) + 1, &readable, NULL, NULL, &wait);
  }
  XNextEvent(display, event);
  return 1;
}

int main(int argc, char** argv) {
  if (argc < 4) {
    fprintf(stderr, "usage: %s X Y PATH...\n", argv[0]);
    return 1;
  }
  const int x = atoi(argv[1]);
  const int y = atoi(argv[2]);
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "xdnd_drop: no display\n");
    return 1;
  }
  const Atoms atoms = internAtoms(display);
  const Window root = DefaultRootWindow(display);
  long targetVersion = 0;
  const Window target = findTarget(display, root, x, y, atoms.aware, &targetVersion);
  if (target == None) {
    fprintf(stderr, "xdnd_drop: no drop target at %d,%d\n", x, y);
    return 2;
  }
  char* list = uriList(argc - 3, argv + 3);
  if (list == NULL) return 1;
  const Window source = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(display, atoms.selection, source, CurrentTime);
  const long version = targetVersion < xdndVersion ? targetVersion : xdndVersion;
  sendMessage(display, target, atoms.enter, (long)source, version << 24, (long)atoms.uriList, None, None);
  sendMessage(display, target, atoms.position, (long)source, 0, ((long)x << 16) | (y & 0xFFFF), CurrentTime,
              (long)atoms.actionCopy);

  const time_t deadline = time(NULL) + answerSeconds;
  int dropped = 0;
  int result = 4;
  XEvent event;
  while (result == 4 && nextEvent(display, deadline, &event)) {
    if (event.type == SelectionRequest) {
      answerDataRequest(display, &event.xselectionrequest, &atoms, list);
    } else if (event.type == ClientMessage && event.xclient.message_type == atoms.status && !dropped) {
      if (event.xclient.data.l[1] & 1) {
        sendMessage(display, target, atoms.drop, (long)source, 0, CurrentTime, 0, 0);
        dropped = 1;
      } else {
        sendMessage(display, target, atoms.leave, (long)source, 0, 0, 0, 0);
        result = 3;
      }
    } else if (event.type == ClientMessage && event.xclient.message_type == atoms.finished) {
      result = 0;
    }
  }
  if (result == 4) fprintf(stderr, "xdnd_drop: the target did not %s in time\n", dropped ? "finish" : "answer");
  if (result == 3) fprintf(stderr, "xdnd_drop: the target refused the drop\n");
  free(list);
  XDestroyWindow(display, source);
  XCloseDisplay(display);
  return result;
}
