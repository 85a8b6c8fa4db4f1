// Saving text as a file of the browser's downloads, made in the page: nothing leaves it.
mergeInto(LibraryManager.library, {
  web_ui_save_file__deps: ['$Emval'],
  // Offers the bytes (a Uint8Array, copied at once) as a file of that name and media type: 1, or
  // 0 where the browser refuses.
  web_ui_save_file: function(nameHandle, typeHandle, bytesHandle) {
    try {
      var file = new Blob([Emval.toValue(bytesHandle)], { type: Emval.toValue(typeHandle) });
      var link = document.createElement('a');
      link.href = URL.createObjectURL(file);
      link.download = Emval.toValue(nameHandle);
      link.hidden = true;
      document.body.appendChild(link);
      link.click();
      link.remove();
      // Some browsers read the file after the click returns.
      setTimeout(function() { URL.revokeObjectURL(link.href); }, 60000);
      return 1;
    } catch (error) {
      return 0;
    }
  },
});
