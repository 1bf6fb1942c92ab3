package Zyn::Library;
use strict;
use warnings;

=head1 NAME

Zyn::Library - the runtime library configuration as source files of its language

=head1 DESCRIPTION

C and C++: one header, C<zynlibconf.h>, in tree order, macros as C<#define>
lines.

Ada: the package C<Zynlibconf>. Its declaration C<zynlibconf.ads> holds the
context clauses of the runtime and of the I/O package, then the types,
constants, renamings and subprogram declarations; its body
C<zynlibconf.adb>, written when there is code, holds the I/O body's context
clauses, declarations and every subprogram body. A context clause is written
once.

Java: the class C<ZynTarget> in C<ZynTarget.java>: the imports, then the
macros as constants and the methods of the choices. The JVMPI agent's C code
goes to C<zyn_jvmpi.c>, its build command to C<zyn_jvmpi.sh>.

=cut

use Exporter qw(import);
use Zyn::Doc qw(child child_elements significant_nodes text_of child_text function_child);

our @EXPORT_OK = qw(render_library function_code one_line with_newline);

my %TEXT_MACROS   = map { $_ => 1 } qw(TEXT_MACRO TYPEADA CONSTANTADA CONSTANTSTRINGADA);
my %BINARY_MACROS = map { $_ => 1 } qw(BINARY_MACRO RENAMEADA);
my %TAB_MACROS    = map { $_ => 1 } qw(TEXT_MACRO BINARY_MACRO OPTIONAL_MACRO);
my %ALL_MACROS    = ( %TEXT_MACROS, %BINARY_MACROS, OPTIONAL_MACRO => 1 );
my %TAB_FUNCTIONS = map { $_ => 1 } qw(VALUEFCTPERL VALUEFCT VALUEFCTC VALUEFCTH);

my $C_COMMENT = sub { ( my $t = shift ) =~ s{\*/}{* /}g; "/* $t */" };

# Per language: how a comment reads, where each kind of code goes, and how a
# macro is declared. A free text goes where its tag says, else to "text".
my %LANGUAGE = (
    c => {
        comment => $C_COMMENT,
        where   => { map { $_ => 'header' } qw(comment text macro declaration body) },
        macro   => \&c_macro,
    },
    ada => {
        comment => sub { '-- ' . shift },
        where   => {
            comment     => 'decl',
            text        => 'body',
            macro       => 'decl',
            declaration => 'decl',
            body        => 'body',
            FREE_TEXT_BEFORE_FOR_ZYN           => 'decl_context',
            FREE_TEXT_BEFORE_FOR_INSTR         => 'decl_context',
            FREE_TEXT_BEFORE_FOR_INSTR_AND_GEN => 'decl_context',
            FREE_TEXT_WITH_PRIV_IO_ADS         => 'decl_context',
            FREE_TEXT_ADD_PRIV_IO_ADS          => 'decl',
            FREE_TEXT_WITH_PRIV_IO_ADB         => 'body_context',
        },
        macro => \&ada_macro,
    },
    java => {
        comment => sub { '// ' . shift },
        where   => {
            ( map { $_ => 'class' } qw(comment text macro declaration body) ),
            JAVA_IMPORTS                       => 'imports',
            FREE_TEXT_BEFORE_FOR_ZYN           => 'imports',
            FREE_TEXT_BEFORE_FOR_INSTR         => 'imports',
            FREE_TEXT_BEFORE_FOR_INSTR_AND_GEN => 'imports',
        },
        macro => \&java_macro,
    },
    agent => {
        comment => $C_COMMENT,
        where   => {
            ( map { $_ => 'agent' } qw(comment text macro declaration body) ),
            BUILD_JVMPI => 'agent_build',
        },
        macro => \&c_macro,
    },
);

my %VARIANT_LANGUAGE = ( LIBCONFC => 'c', LIBCONFA => 'ada', LIBCONFJAVA => 'java' );

sub one_line {
    my ($text) = @_;
    $text = '' unless defined $text;
    $text =~ s/[\r\n]+/ /g;
    return $text;
}

sub with_newline {
    my ($text) = @_;
    return $text eq '' || $text =~ /\n\z/ ? $text : "$text\n";
}

sub function_code {
    my ($function) = @_;
    return '' unless $function;
    return with_newline( join "\n", map { child_text( $function, $_ ) } qw(PROTO VALUE TAIL) );
}

sub macro_value {
    my ($macro) = @_;
    my $tag = $macro->nodeName;
    return child_text( $macro, 'VALUE' ) if $TEXT_MACROS{$tag};
    return ( $macro->getAttribute('Value') // '' ) eq '1' ? 1 : 0 if $BINARY_MACROS{$tag};
    return unless ( $macro->getAttribute('Defined') // '' ) eq '1';
    return $macro->getAttribute('Value') // '';
}

sub c_macro {
    my ( $name, $tag, $value ) = @_;
    return "/* $name is not defined */\n" unless defined $value;
    $value =~ s/\r?\n/ \\\n/g;    # a continued line keeps a multi-line value
    return $value eq '' ? "#define $name\n" : "#define $name $value\n";
}

sub ada_macro {
    my ( $name, $tag, $value ) = @_;
    return "   -- $name is not declared\n" unless defined $value;
    if ( $tag eq 'RENAMEADA' ) {
        return "   -- $name is not declared\n" unless $value;
        ( my $unit = $name ) =~ s/\AZyn_//i;
        die "the Ada renaming $name does not name its unit: call it Zyn_ followed by the unit\n"
          if $unit eq $name || $unit eq '';
        return "   package $name renames $unit;\n";
    }
    return "   $name : constant Boolean := " . ( $value ? 'True' : 'False' ) . ";\n"
      if $tag eq 'BINARY_MACRO';
    die "the Ada declaration of $name has no value\n" if $value =~ /\A\s*\z/;
    return "   subtype $name is $value;\n" if $tag eq 'TYPEADA';
    if ( $tag eq 'CONSTANTSTRINGADA' ) {
        $value =~ s/"/""/g;
        die "the Ada string $name holds a line break\n" if $value =~ /[\r\n]/;
        return qq{   $name : constant String := "$value";\n};
    }
    return "   $name : constant := $value;\n";
}

# The type of a constant from the form of its Java literal.
sub java_type {
    my ( $name, $value ) = @_;
    my $int = qr/(?:0[xX][0-9a-fA-F_]+|[0-9][0-9_]*)/;
    return 'String'  if $value =~ /\A"/;
    return 'char'    if $value =~ /\A'(?:[^'\\]|\\.[^']*)'\z/;
    return 'boolean' if $value =~ /\A(?:true|false)\z/;
    return 'long'    if $value =~ /\A[-+]?$int[lL]\z/;
    return 'double'  if $value =~ /\A[-+]?[0-9][0-9_]*\.[0-9_]*(?:[eE][-+]?[0-9]+)?[dD]?\z/;
    return 'int'     if $value =~ /\A[-+()\s]*$int(?:\s*(?:[-+*\/%]|<<|>>)[\s()]*$int[\s)]*)*\z/;
    die "the value of the Java constant $name is not a literal "
      . "(a whole number, a decimal number, true, false, a character or a string in quotes)\n";
}

sub java_macro {
    my ( $name, $tag, $value ) = @_;
    return "    // $name is not defined\n" unless defined $value;
    return "    public static final boolean $name = " . ( $value ? 'true' : 'false' ) . ";\n"
      if $BINARY_MACROS{$tag};
    $value =~ s/\s*\n\s*/ /g;
    return "    public static final " . java_type( $name, $value ) . " $name = $value;\n";
}

sub first_element {
    my ($element) = @_;
    my $first = ( significant_nodes($element) )[0];
    return $first && $first->nodeType == XML::LibXML::XML_ELEMENT_NODE ? $first : undef;
}

# The library under construction: text per destination, in tree order.
sub emit {
    my ( $out, $where, $text ) = @_;
    $out->{$where} .= $text;
}

# The agent's build command and the Perl tabs have files of their own kinds.
my %COMMENT_OF = ( map { $_ => sub { '# ' . shift } } qw(agent_build perl) );

sub comment_to {
    my ( $out, $lang, $where, $text ) = @_;
    my $comment = $COMMENT_OF{$where} // $lang->{comment};
    emit( $out, $where, "\n" . $comment->($text) . "\n" );
}

# Macros wrapped one per child, each wrapper's first child being the macro.
sub macros {
    my ( $out, $lang, $element, $accepted ) = @_;
    for my $wrapper ( grep { $_->nodeName ne 'COMMENT' } child_elements($element) ) {
        my $macro = first_element($wrapper) or next;
        next unless $accepted->{ $macro->nodeName };
        my $name = $macro->getAttribute('Name') // '';
        die "a " . $macro->nodeName . " has no name\n" if $name eq '';
        die "the macro name " . Zyn::Doc::quote_name($name) . " is not a plain name\n"
          unless $name =~ /\A[A-Za-z_][A-Za-z0-9_]*\z/;
        emit( $out, $lang->{where}{macro},
            $lang->{macro}->( $name, $macro->nodeName, macro_value($macro) ) );
    }
}

# A function node: declared where declarations go (an Ada subprogram is
# declared in the package declaration) and written where bodies go.
sub function_node {
    my ( $out, $lang, $label, $function ) = @_;
    return unless $function;
    my $proto = child_text( $function, 'PROTO' );
    if ( $lang->{where}{declaration} ne $lang->{where}{body} ) {
        if ( $proto =~ /\A\s*((?:procedure|function)\b.*?)\s+is\s*\z/s ) {
            comment_to( $out, $lang, $lang->{where}{declaration}, $label );
            emit( $out, $lang->{where}{declaration}, "   $1;\n" );
        }
    }
    comment_to( $out, $lang, $lang->{where}{body}, $label );
    emit( $out, $lang->{where}{body}, function_code($function) );
}

sub selected_entry {
    my ($choice) = @_;
    my $value   = $choice->getAttribute('Value') // '';
    my @entries = grep { $_->nodeName eq 'CHOICEDATA' && text_of($_) ne '' } child_elements($choice);
    my ($selected) = reverse grep { text_of($_) eq $value } @entries;
    return $selected // $entries[0];
}

sub choice {
    my ( $out, $lang, $element ) = @_;
    my $label  = one_line( $element->getAttribute('Label') );
    my $choice = child( $element, 'CHOICE' );
    my $entry  = $choice && selected_entry($choice);
    my $where  = $lang->{where}{comment};
    return comment_to( $out, $lang, $where, "$label: no choice" ) unless $entry;
    my $selected = one_line( text_of($entry) );
    return comment_to( $out, $lang, $where, qq{$label: "$selected"} )
      unless ( $entry->getAttribute('Sensitive') // '' ) eq '1';
    comment_to( $out, $lang, $where, qq{$label: "$selected", implemented by its tabs} );
    for my $tab ( grep { $_->nodeName eq 'ONGLET' } child_elements($choice) ) {
        my $first = first_element($tab) or next;
        my $title = "$label / " . one_line( $tab->getAttribute('Label') );
        if ( $TAB_FUNCTIONS{ $first->nodeName } ) {
            my $where = $first->nodeName eq 'VALUEFCTPERL' ? 'perl' : $lang->{where}{body};
            comment_to( $out, $lang, $where, $title );
            emit( $out, $where, function_code($first) );
        }
        elsif ( $first->nodeName eq 'ITEM' ) {
            comment_to( $out, $lang, $lang->{where}{macro}, $title );
            macros( $out, $lang, $tab, \%TAB_MACROS );
        }
    }
}

sub library_part {
    my ( $out, $lang, $node ) = @_;
    my $element = $node->{element};
    my $kind    = $node->{kind};
    my $label   = one_line( $element->getAttribute('Label') );
    if ( $kind eq 'choice' ) {
        choice( $out, $lang, $element );
    }
    elsif ( $kind eq 'freetext' ) {
        my $where = $lang->{where}{ $element->nodeName } // $lang->{where}{text};
        comment_to( $out, $lang, $where, $label );
        emit( $out, $where, with_newline( child_text( $element, 'VALUE' ) ) );
    }
    elsif ( $kind eq 'item' ) {
        comment_to( $out, $lang, $lang->{where}{macro}, $label );
        macros( $out, $lang, $element, \%ALL_MACROS );
    }
    elsif ( $kind eq 'function' ) {
        function_node( $out, $lang, $label, function_child($element) );
    }
    else {
        comment_to( $out, $lang, $lang->{where}{comment}, $label );
    }
}

# Context clauses and imports are written once, in their first place.
sub once {
    my ( $text, $seen ) = @_;
    my @kept;
    for my $line ( split /(?<=\n)/, $text // '' ) {
        if ( $line =~ /\A\s*((?:with|use|import)\s+[\w.*\s,]+?)\s*;\s*\z/i ) {
            ( my $key = lc $1 ) =~ s/\s+/ /g;
            next if $seen->{$key}++;
        }
        push @kept, $line;
    }
    return join '', @kept;
}

sub ada_files {
    my ( $out, $head ) = @_;
    my %seen;
    my $context = once( $out->{decl_context}, \%seen );
    my $body    = $out->{body} // '';
    my @files;
    my $has_body = $body =~ /\S/;
    push @files, [ 'zynlibconf.ads',
            $head->('zynlibconf.ads') . "$context\npackage Zynlibconf is\n"
          . ( $has_body ? "   pragma Elaborate_Body;\n" : '' )
          . ( $out->{decl} // '' )
          . "\nend Zynlibconf;\n" ];
    push @files, [ 'zynlibconf.adb',
            $head->('zynlibconf.adb') . once( $out->{body_context}, \%seen )
          . "\npackage body Zynlibconf is\n$body\nend Zynlibconf;\n" ]
      if $has_body;
    return @files;
}

sub java_files {
    my ( $out, $head ) = @_;
    my @files = [ 'ZynTarget.java',
            $head->('ZynTarget.java') . once( $out->{imports}, {} )
          . "\npublic final class ZynTarget {\n    private ZynTarget() {\n    }\n"
          . ( $out->{class} // '' ) . "}\n" ];
    if ( defined $out->{agent} ) {
        push @files, [ 'zyn_jvmpi.c', $head->( 'zyn_jvmpi.c', $C_COMMENT ) . $out->{agent} ];
    }
    if ( defined $out->{agent_build} ) {
        push @files, [ 'zyn_jvmpi.sh',
            "#!/bin/sh\n" . $head->( 'zyn_jvmpi.sh', $COMMENT_OF{agent_build} ) . "set -e\n$out->{agent_build}" ];
    }
    return @files;
}

=head2 render_library(LABEL, SOURCE, SCRIPT, NODES)

The files of the first LIBCONF group that has a language variant, as
[name, text] pairs; none when there is no variant.

=cut

sub render_library {
    my ( $label, $source, $script, @nodes ) = @_;
    my ($start) = grep { $nodes[$_]{kind} eq 'group' && $nodes[$_]{variant} } 0 .. $#nodes;
    return unless defined $start;
    my $language = $VARIANT_LANGUAGE{ $nodes[$start]{variant}->nodeName };
    my %out;
    my $agent_depth;
    for my $node ( @nodes[ $start + 1 .. $#nodes ] ) {
        last if $node->{depth} < 2;
        undef $agent_depth if defined $agent_depth && $node->{depth} <= $agent_depth;
        $agent_depth = $node->{depth} if $node->{kind} eq 'jvmpi';
        library_part( \%out, $LANGUAGE{ defined $agent_depth ? 'agent' : $language }, $node );
    }
    my $head = sub {
        my ( $file, $comment ) = @_;
        $comment //= $LANGUAGE{$language}{comment};
        return $comment->( "$file: library configuration of target \"$label\", generated by $script from "
              . one_line($source) ) . "\n";
    };
    my @perl = defined $out{perl}
      ? [ 'zynfilters.pm', $head->( 'zynfilters.pm', $COMMENT_OF{perl} )
          . "package zynfilters;\nuse strict;\nuse warnings;\n$out{perl}\n1;\n" ]
      : ();
    return ( ada_files( \%out, $head ), @perl )  if $language eq 'ada';
    return ( java_files( \%out, $head ), @perl ) if $language eq 'java';
    return @perl, [ 'zynlibconf.h',
            $head->('zynlibconf.h')
          . "#ifndef ZYNLIBCONF_H\n#define ZYNLIBCONF_H\n"
          . ( $out{header} // '' )
          . "\n#endif /* ZYNLIBCONF_H */\n" ];
}

1;
