#!/usr/bin/perl
use strict;
use warnings;

=head1 NAME

sync-xdp-labels.pl - keep the document label contexts of the translations in step with the templates

=head1 SYNOPSIS

  tools/sync-xdp-labels.pl [--check] [TS_FILE...]

=head1 DESCRIPTION

The editor shows the C<Label> attributes of a document through the translator:
node texts, pane and tab titles in the context "XDP Labels", the title of an
item pane (an element whose children wrap macros) in the context "xdp".
lupdate cannot see these texts, as they come from documents, not from the
code; this script takes them from the four templates
(installation/targets/xml/template*.xdp) and writes them into each
translation file (translations/*.ts by default):

=over

=item *

every Label of the templates becomes a message of "XDP Labels", and every
Label of an item element a message of "xdp"; a new "xdp" message takes the
"XDP Labels" translation of the same text when there is one;

=item *

a Label message that lupdate marked as vanished (it always does, as the text
is not in the code) is made current again, finished when it has a
translation;

=item *

a Label message that no template has any more is left to lupdate, which
marks it vanished (or drops it when it has no translation);

=item *

messages that lupdate found in the code, in these contexts too, are left as
they are.

=back

The file is written in lupdate's own layout, so that running lupdate and this
script in turn changes nothing. Run it after every lupdate:

  /usr/lib/qt6/bin/lupdate -locations none src -ts translations/zyneditor_de.ts
  tools/sync-xdp-labels.pl

Never run lupdate with -no-obsolete: it would drop the label messages.

With --check nothing is written; the exit status is 1 when a file is not in
step (it lists what is missing) and 0 otherwise.

=cut

use FindBin qw($RealBin);
use File::Basename qw(basename);
use XML::LibXML;

my $ROOT = "$RealBin/..";
my $LABELS = 'XDP Labels';
my $ITEM_LABELS = 'xdp';
my %MACRO = map { $_ => 1 }
  qw(TEXT_MACRO TYPEADA CONSTANTADA CONSTANTSTRINGADA BINARY_MACRO RENAMEADA OPTIONAL_MACRO);

my $check = 0;
if ( @ARGV && $ARGV[0] eq '--check' ) {
    $check = 1;
    shift @ARGV;
}
die "Usage: $0 [--check] [TS_FILE...]\n" if grep { /^-/ } @ARGV;
my @ts_files = @ARGV ? @ARGV : sort glob("$ROOT/translations/*.ts");
die "sync-xdp-labels.pl: no translation files\n" unless @ts_files;

my @templates = sort glob("$ROOT/installation/targets/xml/template*.xdp");
die "sync-xdp-labels.pl: no templates under installation/targets/xml\n" unless @templates;

my ( $labels, $item_labels ) = template_labels(@templates);

my $out_of_step = 0;
for my $file (@ts_files) {
    my $doc = XML::LibXML->load_xml( location => $file, no_blanks => 1 );
    my @missing;
    sync_context( $doc, $LABELS, $labels, undef, \@missing );
    sync_context( $doc, $ITEM_LABELS, $item_labels, context_translations( $doc, $LABELS ),
        \@missing );
    if ($check) {
        if (@missing) {
            $out_of_step = 1;
            print STDERR basename($file), ": not in step with the templates:\n";
            print STDERR "  $_\n" for @missing;
        }
        next;
    }
    my $text = write_ts($doc);
    open my $fh, '>:raw', "$file.tmp" or die "sync-xdp-labels.pl: cannot write $file.tmp: $!\n";
    print {$fh} $text;
    close $fh or die "sync-xdp-labels.pl: cannot write $file.tmp: $!\n";
    rename "$file.tmp", $file or die "sync-xdp-labels.pl: cannot replace $file: $!\n";
}
exit $out_of_step;

# The Labels of the templates in document order, without repeats: all of them, and those of
# item elements (an element one of whose children has a macro as its first element).
sub template_labels {
    my ( @all, @items, %seen, %seen_item );
    for my $template (@_) {
        my $doc = XML::LibXML->load_xml(
            location        => $template,
            load_ext_dtd    => 0,
            no_network      => 1,
            expand_entities => 0,
        );
        for my $element ( $doc->findnodes('//*[@Label]') ) {
            my $label = $element->getAttribute('Label');
            next if $label eq '';
            push @all, $label unless $seen{$label}++;
            next if $element->nodeName eq 'ONGLET' || !wraps_macro($element);
            push @items, $label unless $seen_item{$label}++;
        }
    }
    return ( \@all, \@items );
}

sub wraps_macro {
    my ($element) = @_;
    for my $wrapper ( $element->childNodes ) {
        next unless $wrapper->nodeType == XML_ELEMENT_NODE;
        my ($first) = grep { $_->nodeType == XML_ELEMENT_NODE } $wrapper->childNodes;
        return 1 if $first && $MACRO{ $first->nodeName };
    }
    return 0;
}

sub child_named {
    my ( $node, $name ) = @_;
    for my $child ( $node->childNodes ) {
        return $child if $child->nodeType == XML_ELEMENT_NODE && $child->nodeName eq $name;
    }
    return undef;
}

sub context_named {
    my ( $doc, $name ) = @_;
    for my $context ( $doc->documentElement->getChildrenByTagName('context') ) {
        my $name_element = child_named( $context, 'name' );
        return $context if $name_element && $name_element->textContent eq $name;
    }
    return undef;
}

# A message without a disambiguating comment: the form the label lookups use.
sub is_plain {
    my ($message) = @_;
    my $comment = child_named( $message, 'comment' );
    return !$comment || $comment->textContent eq '';
}

sub translation_state {
    my ($message) = @_;
    my $translation = child_named( $message, 'translation' );
    return ( $translation, $translation ? ( $translation->getAttribute('type') // '' ) : '' );
}

# Finished translations of a context's plain messages, by source text.
sub context_translations {
    my ( $doc, $name ) = @_;
    my %translations;
    my $context = context_named( $doc, $name ) or return \%translations;
    for my $message ( $context->getChildrenByTagName('message') ) {
        next unless is_plain($message);
        my ( $translation, $type ) = translation_state($message);
        next if !$translation || $type ne '' || $translation->textContent eq '';
        $translations{ child_named( $message, 'source' )->textContent } = $translation->textContent;
    }
    return \%translations;
}

sub new_context {
    my ( $doc, $name ) = @_;
    my $context = $doc->createElement('context');
    my $name_element = $doc->createElement('name');
    $name_element->appendText($name);
    $context->appendChild($name_element);
    # lupdate keeps the contexts in the order of their names.
    my $ts = $doc->documentElement;
    for my $other ( $ts->getChildrenByTagName('context') ) {
        if ( child_named( $other, 'name' )->textContent gt $name ) {
            $ts->insertBefore( $context, $other );
            return $context;
        }
    }
    $ts->appendChild($context);
    return $context;
}

sub set_translation {
    my ( $doc, $message, $text, $type ) = @_;
    my ($translation) = translation_state($message);
    unless ($translation) {
        $translation = $doc->createElement('translation');
        $message->appendChild($translation);
    }
    if ( defined $text ) {
        $translation->removeChildNodes;
        $translation->appendText($text);
    }
    if   ( $type eq '' ) { $translation->removeAttribute('type') }
    else                 { $translation->setAttribute( 'type', $type ) }
}

sub sync_context {
    my ( $doc, $name, $wanted, $fallback, $missing ) = @_;
    my %wanted = map { $_ => 1 } @$wanted;
    my $context = context_named( $doc, $name );
    my %present;
    if ($context) {
        for my $message ( $context->getChildrenByTagName('message') ) {
            next unless is_plain($message);
            my $source = child_named( $message, 'source' )->textContent;
            my ( $translation, $type ) = translation_state($message);
            my $text = $translation ? $translation->textContent : '';
            my $vanished = $type eq 'vanished' || $type eq 'obsolete';
            if ( $wanted{$source} ) {
                $present{$source} = 1;
                if ( $text eq '' && $fallback && defined $fallback->{$source} ) {
                    push @$missing, "[$name] untranslated: $source";
                    set_translation( $doc, $message, $fallback->{$source}, '' );
                }
                elsif ($vanished) {
                    push @$missing, "[$name] vanished: $source";
                    set_translation( $doc, $message, undef, $text eq '' ? 'unfinished' : '' );
                }
                elsif ( $text eq '' || $type eq 'unfinished' ) {
                    push @$missing, "[$name] untranslated: $source";
                }
            }
        }
    }
    for my $source (@$wanted) {
        next if $present{$source};
        push @$missing, "[$name] missing: $source";
        $context //= new_context( $doc, $name );
        my $message = $doc->createElement('message');
        my $source_element = $doc->createElement('source');
        $source_element->appendText($source);
        $message->appendChild($source_element);
        $context->appendChild($message);
        my $translation = $fallback ? $fallback->{$source} : undef;
        set_translation( $doc, $message, $translation // '',
            defined $translation ? '' : 'unfinished' );
    }
}

sub protect {
    my ($text) = @_;
    $text =~ s/&/&amp;/g;
    $text =~ s/</&lt;/g;
    $text =~ s/>/&gt;/g;
    $text =~ s/"/&quot;/g;
    $text =~ s/'/&apos;/g;
    $text =~ s/([\x00-\x08\x0b\x0c\x0e-\x1f])/sprintf('&#x%x;', ord $1)/ge;
    return $text;
}

sub write_element {
    my ( $element, $depth ) = @_;
    my $indent = ' ' x ( 4 * $depth );
    my $attributes = join '',
      map { sprintf ' %s="%s"', $_->nodeName, protect( $_->value ) } $element->attributes;
    my @children = grep { $_->nodeType == XML_ELEMENT_NODE } $element->childNodes;
    my $name = $element->nodeName;
    # Contexts start at the left margin, as lupdate writes them.
    $indent = '' if $name eq 'context';
    return "$indent<$name$attributes>" . protect( $element->textContent ) . "</$name>\n"
      unless @children;
    my $text = "$indent<$name$attributes>\n";
    $text .= write_element( $_, $name eq 'context' ? 1 : $depth + 1 ) for @children;
    return $text . "$indent</$name>\n";
}

sub write_ts {
    my ($doc) = @_;
    my $ts = $doc->documentElement;
    my $attributes = join '',
      map { sprintf ' %s="%s"', $_->nodeName, protect( $_->value ) } $ts->attributes;
    my $text = qq{<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS$attributes>\n};
    for my $child ( $ts->childNodes ) {
        next unless $child->nodeType == XML_ELEMENT_NODE;
        $text .= write_element( $child, 0 );
    }
    $text .= "</TS>\n";
    utf8::encode($text);
    return $text;
}
