// isolation-worker.js: makes the page cross-origin isolated on a host that cannot send the
// isolation headers itself. Every response of the page's own origin gets them added; the
// page registers this worker and reloads once when it finds itself not isolated.
"use strict";

var ISOLATION_HEADERS = {
  "Cross-Origin-Opener-Policy": "same-origin",
  "Cross-Origin-Embedder-Policy": "require-corp",
  "Cross-Origin-Resource-Policy": "same-origin",
};

self.addEventListener("install", function () {
  self.skipWaiting();
});

self.addEventListener("activate", function (event) {
  event.waitUntil(self.clients.claim());
});

self.addEventListener("fetch", function (event) {
  var request = event.request;
  if (new URL(request.url).origin !== self.location.origin)
    return; // other origins answer for themselves
  if (request.cache === "only-if-cached" && request.mode !== "same-origin")
    return;
  event.respondWith(fetch(request).then(function (response) {
    if (response.status === 0)
      return response;
    var headers = new Headers(response.headers);
    Object.keys(ISOLATION_HEADERS).forEach(function (name) {
      headers.set(name, ISOLATION_HEADERS[name]);
    });
    return new Response(response.body, {status: response.status, statusText: response.statusText, headers: headers});
  }));
});
