// SPDX-License-Identifier: GPL-3.0-or-later
// Builds a window's controls from its layout table. Each control's DOM id is
// its name; within a parent the controls follow its Tab order, so that the
// Tab key visits them as on the desktop.
import type { ControlDescription, FontChoice } from './Controls';
import { windowFont } from './Controls';

const faces = { proportional: 'var(--proportional)', fixed: 'var(--fixed)' } as const;

function applyFont(element: HTMLElement, font: FontChoice): void {
  element.style.fontFamily = faces[font.face];
  element.style.fontSize = `${font.size}px`;
  element.style.fontWeight = font.bold ? 'bold' : 'normal';
}

function radioGroup(control: ControlDescription, root: HTMLElement): HTMLElement {
  const group = document.createElement('div');
  group.setAttribute('role', 'radiogroup');
  const caption = document.createElement('div');
  caption.className = 'caption';
  caption.textContent = control.caption ?? '';
  caption.id = `${control.id}-caption`;
  group.setAttribute('aria-labelledby', caption.id);
  const items = document.createElement('div');
  items.className = 'items';
  const columns = control.columns ?? 1;
  const rows = Math.ceil((control.items?.length ?? 0) / columns);
  items.style.gridTemplateRows = `repeat(${rows}, auto)`;
  control.items?.forEach((text, index) => {
    const item = document.createElement('label');
    item.dataset.index = String(index);
    const input = document.createElement('input');
    input.type = 'radio';
    input.name = `${root.id}-${control.id}`;
    input.value = String(index);
    input.checked = index === 0;
    item.append(input, text);
    items.append(item);
  });
  group.append(caption, items);
  return group;
}

const makers: Record<ControlDescription['kind'], (control: ControlDescription, root: HTMLElement) => HTMLElement> = {
  panel: () => document.createElement('div'),
  cell: () => {
    // Not a text input: no on-screen keyboard comes up for it.
    const cell = document.createElement('div');
    cell.setAttribute('role', 'textbox');
    cell.tabIndex = 0;
    return cell;
  },
  box: (control) => {
    const box = document.createElement('div');
    box.setAttribute('role', 'textbox');
    box.setAttribute('aria-readonly', 'true');
    box.tabIndex = control.tab === undefined ? -1 : 0;
    return box;
  },
  picture: () => {
    const picture = document.createElement('img');
    picture.alt = '';
    picture.draggable = false;
    return picture;
  },
  rule: () => document.createElement('div'),
  button: () => document.createElement('button'),
  speedButton: () => {
    const button = document.createElement('button');
    button.tabIndex = -1;
    return button;
  },
  key: () => document.createElement('button'),
  label: () => document.createElement('div'),
  radioGroup,
};

function make(control: ControlDescription, root: HTMLElement): HTMLElement {
  const element = makers[control.kind](control, root);
  element.id = control.id;
  element.classList.add('control', control.kind);
  element.style.left = `${control.left}px`;
  element.style.top = `${control.top}px`;
  element.style.width = `${control.width}px`;
  element.style.height = `${control.height}px`;
  if (element instanceof HTMLButtonElement) element.type = 'button';
  if (control.font) applyFont(element, control.font);
  if (control.colour) element.style.color = control.colour;
  if (control.caption !== undefined && control.kind !== 'radioGroup') element.textContent = control.caption;
  if (control.hint) element.title = control.hint;
  if (control.spokenName) element.setAttribute('aria-label', control.spokenName);
  return element;
}

// Adds the controls of `controls` to `root`, which stands for the window's
// client area and takes the window's font.
export function buildControls(root: HTMLElement, controls: readonly ControlDescription[], font: FontChoice = windowFont): void {
  applyFont(root, font);
  const elements = new Map(controls.map((control) => [control.id, make(control, root)]));
  const byTab = [...controls].sort((a, b) => (a.tab ?? Infinity) - (b.tab ?? Infinity));
  for (const control of byTab) {
    const parent = control.parent === undefined ? root : elements.get(control.parent);
    if (!parent) throw new Error(`${control.id} is laid out on ${control.parent}, which is not in the table`);
    parent.append(elements.get(control.id)!);
  }
}
