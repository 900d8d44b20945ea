// SPDX-License-Identifier: GPL-3.0-or-later
// How much a help page may ask of the page: how many elements it holds and
// how deeply they nest, tables on their own. The desktop's help window
// keeps the same bounds and counts the same way.

export interface HtmlLimits {
  elements: number;
  depth: number;
  tableDepth: number;
}

// The help page is 7 KB of some 240 elements nested 5 deep; these bounds
// leave room for a page many times larger.
export const largestHelpFile = 64 << 10;
export const helpLimits: HtmlLimits = { elements: 1000, depth: 16, tableDepth: 4 };

// Elements that are never open around others: void elements, and those
// whose end tag may be left out, which the next one of their kind closes.
const unnested = new Set([
  'area', 'base', 'body', 'br', 'col', 'colgroup', 'dd', 'dt', 'embed', 'head', 'hr', 'html', 'img', 'input',
  'li', 'link', 'meta', 'option', 'p', 'param', 'source', 'tbody', 'td', 'tfoot', 'th', 'thead', 'tr', 'wbr',
]);

const nameCharacter = /[\p{L}\p{N}:-]/u;

// The index just past the tag that starts at `at` (its '<'), quoted
// attribute values skipped whole.
function endOfTag(html: string, at: number): number {
  let quote = '';
  for (let i = at + 1; i < html.length; ++i) {
    const c = html[i];
    if (quote) quote = c === quote ? '' : quote;
    else if (c === '"' || c === "'") quote = c;
    else if (c === '>') return i + 1;
  }
  return html.length;
}

// Whether the page keeps within the limits; reading stops at the first
// element past them. An end tag closes the latest open element of its name.
export function htmlKeepsWithin(html: string, limits: HtmlLimits): boolean {
  const open: string[] = [];
  let elements = 0;
  let at = html.indexOf('<');
  while (at >= 0) {
    if (html.startsWith('<!--', at)) {
      const end = html.indexOf('-->', at + 4);
      at = end < 0 ? -1 : html.indexOf('<', end + 3);
      continue;
    }
    const end = endOfTag(html, at);
    const closing = html[at + 1] === '/';
    let nameEnd = at + (closing ? 2 : 1);
    const nameStart = nameEnd;
    while (nameEnd < end && nameCharacter.test(html[nameEnd])) ++nameEnd;
    const name = html.slice(nameStart, nameEnd).toLowerCase();
    if (closing) {
      const match = open.lastIndexOf(name);
      if (match >= 0) open.length = match;
    } else if (name) {
      const selfClosing = end - 2 > at && html[end - 2] === '/';
      if (!selfClosing && !unnested.has(name)) open.push(name);
      const tables = open.filter((element) => element === 'table').length;
      if (++elements > limits.elements || open.length > limits.depth || tables > limits.tableDepth) return false;
    }
    at = html.indexOf('<', end);
  }
  return true;
}

// Text, not the bytes of a program or a picture given the help file's name.
export function helpText(bytes: Uint8Array): string | undefined {
  let text: string;
  try {
    text = new TextDecoder('utf-8', { fatal: true }).decode(bytes);
  } catch {
    return undefined;
  }
  return /[\x00-\x08\x0b\x0e-\x1f\x7f]/.test(text) ? undefined : text;
}
