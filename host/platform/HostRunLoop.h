#ifndef AAXHOST_HOST_RUN_LOOP_H
#define AAXHOST_HOST_RUN_LOOP_H

/* The main run loop of the substitute host, offered to every module loaded into its process.

   On macOS a plug-in's framework hands its timers, posted messages and window events to the
   application's main run loop, which the platform provides. Linux has no such loop, so the host
   process plays that part: its main thread waits on the file descriptors registered here, calls the
   registered observers each time before it waits, and runs their callbacks on the main thread.

   A module finds the loop with dlsym (RTLD_DEFAULT, AAXHOST_MAIN_RUN_LOOP_SYMBOL); in a process
   that does not offer it the lookup fails and the module simply has no run loop to join. Every
   function must be called on the host's main thread. */

#include <stdint.h>

#ifdef __cplusplus
extern "C"
{
#endif

#define AAXHOST_MAIN_RUN_LOOP_SYMBOL "AAXHostGetMainRunLoop"
#define AAXHOST_RUN_LOOP_VERSION 1

    /* Called on the main thread when a registered descriptor is readable (or has hung up). */
    typedef void (*AAXHostFdCallback) (int fd, void* userData);

    /* Called on the main thread every time the loop is about to wait for events. */
    typedef void (*AAXHostObserverCallback) (void* userData);

    typedef struct AAXHostRunLoopFunctions
    {
        uint32_t version; /* AAXHOST_RUN_LOOP_VERSION */

        /* Registers a descriptor; 0 on success, -1 when the pair (fd, userData) is already registered
           or the arguments are invalid. */
        int (*addFd) (int fd, AAXHostFdCallback callback, void* userData);

        /* Unregisters a descriptor registered with the same userData. Safe inside any callback: a
           removed descriptor is not called again, not even in the pass that is under way. */
        void (*removeFd) (int fd, void* userData);

        /* Registers an observer called before every wait; 0 on success, -1 when already registered. */
        int (*addObserver) (AAXHostObserverCallback callback, void* userData);

        /* Unregisters an observer; safe inside any callback. */
        void (*removeObserver) (AAXHostObserverCallback callback, void* userData);
    } AAXHostRunLoopFunctions;

    /* The host's main run loop. Exported by the host's executable. */
    typedef const AAXHostRunLoopFunctions* (*AAXHostGetMainRunLoopFunction) (void);

#ifdef __cplusplus
}
#endif

#endif
