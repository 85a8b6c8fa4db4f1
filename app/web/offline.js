// Makes the page work offline once it has been visited, and installable to a home screen, where
// the browser allows it: only a page served over HTTPS, or from this computer, may have a service
// worker and be installed. Opened from a file or over plain HTTP, the page works as it is and asks
// for neither, so that the browser has nothing to refuse.
if (window.isSecureContext && (location.protocol === 'https:' || location.protocol === 'http:')) {
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.append(manifest);
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').catch((error) => {
      console.warn('The page will not work offline:', error);
    });
  }
}
