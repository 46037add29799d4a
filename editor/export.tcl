# Pictures of pages: PNG (through Img, from the drawn canvas), SVG (written
# from the canvas items) and PostScript (canvas postscript), for the current
# page, for every page of the model, and without a window for --export.
