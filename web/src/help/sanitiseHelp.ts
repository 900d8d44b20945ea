// SPDX-License-Identifier: GPL-3.0-or-later
// The help page rebuilt from what it may hold: a closed list of elements,
// of their attributes and of style properties. Nothing it names is ever
// fetched (no pictures, style sheets, frames or scripts), and a link leads
// only to a place on the same page.

const keptElements = new Set([
  'a', 'abbr', 'b', 'big', 'blockquote', 'br', 'caption', 'center', 'code', 'dd', 'div', 'dl', 'dt', 'em', 'font',
  'h1', 'h2', 'h3', 'h4', 'h5', 'h6', 'hr', 'i', 'kbd', 'li', 'ol', 'p', 'pre', 'q', 's', 'small', 'span', 'strong',
  'sub', 'sup', 'table', 'tbody', 'td', 'tfoot', 'th', 'thead', 'tr', 'tt', 'u', 'ul',
]);

// Elements dropped with everything inside them; any other unknown element
// gives way to its content.
const droppedWhole = new Set([
  'script', 'style', 'template', 'iframe', 'frame', 'frameset', 'object', 'embed', 'applet', 'noscript', 'svg',
  'math', 'audio', 'video', 'canvas', 'img', 'picture', 'head', 'title', 'link', 'meta', 'base', 'form', 'input',
  'button', 'select', 'textarea',
]);

const keptStyles = [
  'color', 'background-color', 'font-size', 'font-weight', 'font-style', 'text-decoration', 'text-align',
  'margin-top', 'margin-bottom', 'margin-left', 'margin-right', 'padding-top', 'padding-bottom', 'padding-left',
  'padding-right', 'line-height', 'vertical-align', 'white-space',
];

const keptAttributes = ['align', 'colspan', 'rowspan', 'valign', 'color', 'size', 'border', 'cellpadding',
  'cellspacing', 'width', 'start', 'type'];

// A value that could make the page fetch or run anything is not kept.
function harmless(value: string): boolean {
  return !/url\s*\(|expression\s*\(|image-set|@import|javascript:/i.test(value);
}

// The page's security policy forbids style attributes even in a page only
// parsed, so they are read under another name, as text, and only the kept
// properties are set.
const styleAttribute = 'data-help-style';

function copyStyle(from: Element, to: HTMLElement): void {
  for (const declaration of (from.getAttribute(styleAttribute) ?? '').split(';')) {
    const colon = declaration.indexOf(':');
    const property = declaration.slice(0, colon).trim().toLowerCase();
    const value = declaration.slice(colon + 1).trim();
    if (colon > 0 && keptStyles.includes(property) && harmless(value)) to.style.setProperty(property, value);
  }
}

// A named place and a link to one keep their names as data, never as ids:
// the help page cannot take the name of a control of the page.
function copyAttributes(from: Element, to: HTMLElement): void {
  for (const name of keptAttributes) {
    const value = from.getAttribute(name);
    if (value !== null && harmless(value)) to.setAttribute(name, value);
  }
  const place = from.getAttribute('name') ?? from.getAttribute('id');
  if (place) to.dataset.place = place;
  const href = from.getAttribute('href');
  if (from.localName === 'a' && href?.startsWith('#')) to.dataset.jump = href.slice(1);
  copyStyle(from, to);
}

function rebuild(from: Node, into: Node): void {
  for (const child of Array.from(from.childNodes)) {
    if (child.nodeType === Node.TEXT_NODE) {
      into.appendChild(document.createTextNode(child.textContent ?? ''));
      continue;
    }
    if (child.nodeType !== Node.ELEMENT_NODE) continue;
    const element = child as Element;
    const name = element.localName;
    if (droppedWhole.has(name)) continue;
    if (!keptElements.has(name)) {
      rebuild(element, into);
      continue;
    }
    const copy = document.createElement(name);
    copyAttributes(element, copy);
    rebuild(element, copy);
    into.appendChild(copy);
  }
}

// The page's body, rebuilt into `into`; the body's own style (its colours
// and font size) goes onto `into`.
export function rebuildHelpPage(html: string, into: HTMLElement): void {
  const renamed = html.replace(/(<[a-z][^>]*?\s)style(\s*=)/gi, `$1${styleAttribute}$2`);
  const page = new DOMParser().parseFromString(renamed, 'text/html');
  copyStyle(page.body, into);
  rebuild(page.body, into);
}
